// The substitute table's own small windows on the virtual desktop, captured as the companion
// captures them and read: after every deal the last hand equals the table's truth card for card
// and mark for mark, the score window its score rows, and the last-trick window the last trick.
#include <gtest/gtest.h>

#include "companion/recognition/PanelReaders.h"
#include "platform/Capture.h"
#include "platform/virtual/VirtualProgram.h"
#include "tableclient/window/Scenes.h"
#include "tableclient/window/TableClient.h"
#include "tests/common/TestFolder.h"

namespace scorlet::recognition {
namespace {

// The site language, the layout seed and the user's seat.
struct Setting {
  int language;
  std::uint32_t layoutSeed;
  int userSeat;
};

class TableWindowsRead : public ::testing::TestWithParam<Setting> {
 protected:
  VirtualDesktop desktop;
  std::unique_ptr<VirtualProgram> program;
  std::unique_ptr<table::TableClient> table;

  // A quick table of a few deals, opened on the desktop.
  static table::TableClientOptions Quick(int deals, std::uint32_t layoutSeed) {
    table::TableClientOptions options;
    options.startDelayMs = 100;
    options.actionDelayMs = 50;
    options.trickPauseMs = 100;
    options.dealPauseMs = 3000;
    options.maxDeals = deals;
    options.layoutSeed = layoutSeed;
    return options;
  }
  bool Open(const table::TableClientOptions& options) {
    program = desktop.startProgram("SpadesTable", scorlet::testing::TestFolder("table").string());
    table = std::make_unique<table::TableClient>(*program, *program, options);
    return table->Open();
  }
  bool PlayDeals(int deals) {
    return desktop.runUntil([&] { return table->dealsPlayed() >= deals; }, 30 * 60 * 1000);
  }

  PanelCapture Capture(int kind) {
    PanelCapture picture;
    Rect rect;
    CaptureWindow(*program, table->subWindow(kind), picture.pixels, picture.geometry, rect, true);
    return picture;
  }
};

TEST_P(TableWindowsRead, EveryDealReadsBackAsPlayed) {
  const Setting setting = GetParam();
  table::TableClientOptions options = Quick(3, setting.layoutSeed);
  options.game.seed = setting.layoutSeed + 5;
  options.language = setting.language;
  options.userSeat = setting.userSeat;
  ASSERT_TRUE(Open(options));
  for (int kind = 1; kind <= 3; ++kind) table->PressButton(kind);

  GlyphTables glyphs = BuildGlyphTables();
  PrepareGlyphIndex(glyphs, setting.language);
  const GlyphTables lastHandGlyphs = LastHandGlyphs(glyphs);
  for (int deal = 1; deal <= options.maxDeals; ++deal) {
    ASSERT_TRUE(PlayDeals(deal));
    desktop.runFor(200);
    const HandRecord& truth = table->truths().back();

    const LastHandReading hand =
        ReadLastHandPicture(Capture(2), lastHandGlyphs, setting.language);
    ASSERT_EQ(hand.outcome, LastHandOutcome::Read) << "deal " << deal;
    for (size_t seat = 0; seat < 4; ++seat) {
      EXPECT_EQ(hand.names[seat], truth.PlayerNames[seat]);
      for (size_t t = 0; t < TrickCount; ++t) {
        EXPECT_EQ(hand.cards[seat][t], truth.PlayTexts[t][seat]) << deal << " " << seat << " " << t;
        EXPECT_EQ(hand.marks[seat][t], truth.LeadMarks[t][seat]) << deal << " " << seat << " " << t;
      }
    }

    const ScoreReading score = ReadScorePicture(Capture(3), glyphs);
    ASSERT_EQ(score.outcome, ScoreOutcome::Read) << "deal " << deal;
    ASSERT_EQ(static_cast<int>(score.rows.size()), truth.ScoreRowCount) << "deal " << deal;
    for (size_t r = 0; r < score.rows.size(); ++r) EXPECT_EQ(score.rows[r], truth.ScoreRows[r + 1]);

    const TrickCardsReading trick = ReadTrickCards(Capture(1), glyphs);
    ASSERT_TRUE(trick.read) << "deal " << deal;
    for (int p = 0; p < 4; ++p) {
      const size_t seat = static_cast<size_t>(table::SeatAtPosition(setting.userSeat, p));
      const CardCode card = CardCodeOf(truth.PlayTexts[TrickCount - 1][seat]);
      EXPECT_EQ(trick.cards[p], (CornerCard{SuitOf(card), RankOf(card)})) << deal << " " << p;
    }
  }
}

TEST_F(TableWindowsRead, AnEnlargedScoreWindowShowsItsRowsDownToItsNewEdge) {
  ASSERT_TRUE(Open(Quick(2, 6)));
  table->PressButton(3);
  ASSERT_TRUE(PlayDeals(2));
  const GlyphTables glyphs = BuildGlyphTables();
  const WindowHandle score = table->subWindow(3);
  Rect before;
  ASSERT_TRUE(program->windowRect(score, before));
  ASSERT_TRUE(program->moveWindow(score, {0, 0, before.width(), before.height() + 80}, true));
  desktop.runFor(100);
  const PanelCapture picture = Capture(3);
  Rect after;
  ASSERT_TRUE(program->windowRect(score, after));
  EXPECT_EQ(after.height(), before.height() + 80);
  EXPECT_TRUE(IsGreyAt(picture, 5, picture.height() - 1));  // drawn again, to the new edge
  const ScoreReading reading = ReadScorePicture(picture, glyphs);
  EXPECT_EQ(reading.outcome, ScoreOutcome::Read);
  ASSERT_EQ(reading.rows.size(), 2u);
  EXPECT_EQ(reading.rows[1], table->truths().back().ScoreRows[2]);
}

// A score window that does not grow by itself is enlarged line by line, as the score procedure
// does, until the empty line after the last row shows.
TEST_F(TableWindowsRead, AScoreWindowTooShortIsEnlargedUntilTheTableEnds) {
  ASSERT_TRUE(Open(Quick(3, 12)));
  table->FixScoreWindowHeight(true);
  table->PressButton(3);
  ASSERT_TRUE(PlayDeals(3));
  const GlyphTables glyphs = BuildGlyphTables();
  const WindowHandle score = table->subWindow(3);
  int enlarged = 0;
  ScoreReading reading = ReadScorePicture(Capture(3), glyphs);
  for (int capture = 0; capture < 10 && reading.outcome == ScoreOutcome::NeedsTallerWindow; ++capture) {
    Rect window, client;
    ASSERT_TRUE(program->windowRect(score, window));
    ASSERT_TRUE(program->clientRect(score, client));
    const int taller = reading.neededHeight - client.height();
    ASSERT_GT(taller, 0);
    ASSERT_TRUE(program->moveWindow(score, {0, window.top, window.width(), window.top + window.height() + taller}, true));
    desktop.runFor(100);
    ++enlarged;
    reading = ReadScorePicture(Capture(3), glyphs);
  }
  EXPECT_GE(enlarged, 1);
  ASSERT_EQ(reading.outcome, ScoreOutcome::Read);
  const HandRecord& truth = table->truths().back();
  ASSERT_EQ(static_cast<int>(reading.rows.size()), truth.ScoreRowCount);
  for (size_t r = 0; r < reading.rows.size(); ++r) EXPECT_EQ(reading.rows[r], truth.ScoreRows[r + 1]);
}

INSTANTIATE_TEST_SUITE_P(Layouts, TableWindowsRead,
                         ::testing::Values(Setting{1, 0, 2}, Setting{3, 11, 0}, Setting{5, 23, 1},
                                           Setting{8, 42, 3}),
                         [](const ::testing::TestParamInfo<Setting>& info) {
                           return "Language" + std::to_string(info.param.language) + "Seed" +
                                  std::to_string(info.param.layoutSeed) + "Seat" +
                                  std::to_string(info.param.userSeat);
                         });

}  // namespace
}  // namespace scorlet::recognition
