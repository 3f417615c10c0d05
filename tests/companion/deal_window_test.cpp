// The end-of-trick and end-of-deal procedures on the game's live windows, beside the
// substitute table on the virtual desktop: the tricks read as they are won, the score window
// grown or shrunk to its rows, the last-hand window moved, read and put away, a missing window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>

#include "companion/main/Discovery.h"
#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "companion/recognition/TableReading.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "tableclient/render/SubViews.h"
#include "tableclient/window/TableClient.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

namespace fs = std::filesystem;

// The companion on line beside the substitute table; the user sits South.
struct Beside {
  VirtualDesktop desktop;
  fs::path folder;
  std::unique_ptr<VirtualProgram> tableProgram;
  std::unique_ptr<VirtualProgram> program;
  std::unique_ptr<table::TableClient> table;
  std::unique_ptr<Companion> companion;

  // `actionDelayMs`: the table's pace between two bids or cards.
  Beside(const std::string& name, const std::string& ini, int actionDelayMs = 400)
      : folder(testing::TestFolder(name)) {
    testing::Harness::WriteIniTo(folder, "MyYahooID=South\r\n" + ini);
    tableProgram = desktop.startProgram("SpadesTable", folder.string());
    table::TableClientOptions options;
    options.game.seed = 21;
    options.dealPauseMs = 5000;
    options.actionDelayMs = actionDelayMs;
    options.trickPauseMs = std::max(800, actionDelayMs);
    table = std::make_unique<table::TableClient>(*tableProgram, *tableProgram, options);
    program = desktop.startProgram("ScorletS", folder.string());
    companion = std::make_unique<Companion>(*program, *program);
    EXPECT_TRUE(companion->Start());
    EXPECT_TRUE(table->Open());
  }
  App& app() { return companion->app(); }
  bool RunUntil(const std::function<bool()>& done) {
    return desktop.runUntil(done, 30u * 60u * 1000u);
  }
  // The table has finished `deals` deals and the companion has taken the last one in.
  bool PlayDeals(int deals) {
    return RunUntil([&] {
      return table->dealsPlayed() >= deals &&
             static_cast<int>(app().frmZ.filBox->items().size()) >= deals;
    });
  }
  // The companion's own timer stops: only what the test calls runs.
  void Freeze() { app().frmZ.Timer1->setEnabled(false); }
  Rect WindowOf(int kind) {
    Rect r;
    program->windowRect(app().game.handle(kind), r);
    return r;
  }
  int ClientHeightOf(int kind) {
    Rect r;
    program->clientRect(app().game.handle(kind), r);
    return r.height();
  }
};

// Display position p of the user at South is seat (2 + p) mod 4.
std::size_t SeatOf(int position) { return static_cast<std::size_t>((2 + position) % 4); }

TEST(DealWindowTest, TrickStepReadsEveryTrickWithItsLeaderAndWinner) {
  // At a table played at a person's pace every trick is seen.
  Beside b("DealTricks", "BidTrickCounter=(110,315),(500,400)\r\nCountCards=(644,20)\r\n", 1500);
  const table::DealState& deal = b.table->game().deal();
  ASSERT_TRUE(b.RunUntil([&] {
    return b.table->game().phase() == table::Phase::Playing && deal.trickIndex >= 8;
  }));
  const TrickState& seen = b.app().reading.trick;
  // The step may be a trick behind the table.
  ASSERT_GE(seen.TrickNumber, deal.trickIndex - 1);
  for (int t = 0; t < seen.TrickNumber && t + 1 < deal.trickIndex; ++t) {
    const auto& played = deal.tricks[static_cast<std::size_t>(t)];
    const TrickSeen& trick = seen.tricks[static_cast<std::size_t>(t)];
    const int winnerSeat = deal.tricks[static_cast<std::size_t>(t) + 1].leader;
    for (int p = 0; p < 4; ++p) {
      const int code = trick.codes[static_cast<std::size_t>(p)];
      EXPECT_EQ(std::abs(code), played.cards[SeatOf(p)]) << "trick " << t << " position " << p;
      const bool nilWon = static_cast<int>(SeatOf(p)) == winnerSeat &&
                          deal.bids[SeatOf(p)].IsNilKind();
      EXPECT_EQ(code < 0, nilWon) << "trick " << t << " position " << p;
    }
    EXPECT_EQ(SeatOf(trick.winner), static_cast<std::size_t>(winnerSeat)) << "trick " << t;
    if (t > 0) {
      EXPECT_EQ(SeatOf(trick.leader), static_cast<std::size_t>(played.leader)) << "trick " << t;
    }
  }
}

// A score window that draws its rows again when resized but never grows by itself: the reader
// enlarges it at x = 0 until the table's end is on it.
TEST(DealWindowTest, ScoreWindowTooShortForItsRowsIsGrownAndRead) {
  Beside b("DealScoreGrows", "");
  ASSERT_TRUE(b.PlayDeals(1));
  b.Freeze();
  table::ScoreScene scene;
  scene.sideNames = {"North/South", "East/West"};
  for (int r = 1; r <= 9; ++r) scene.rows.push_back({r * 31, r % 10, -r * 12, r});
  const Image full = table::RenderScore(scene);
  Form& window = b.tableProgram->createForm("frmShortScore");
  window.setCaption("Spades Score");
  window.setBorderStyle(BorderStyle::Fixed);
  window.setBounds({500, 300, 500 + full.width, 300 + 120});
  window.onResize = [&window, &full] { window.canvas().drawImage({0, 0}, full); };
  window.canvas().drawImage({0, 0}, full);
  window.setVisible(true);
  b.app().game.GameWindowHandle[KindScore] = window.handle();
  const int shortHeight = b.ClientHeightOf(KindScore);
  ASSERT_LT(shortHeight, full.height);

  // Four captures grow it by four lines; the last-hand procedure reads again until it is read.
  HandRecord score;
  ASSERT_EQ(CaptScore(b.app(), score), CaptureStatus::ScoreNotRead);
  EXPECT_EQ(b.ClientHeightOf(KindScore), shortHeight + 4 * 16);
  CaptureStatus status = CaptureStatus::ScoreNotRead;
  for (int call = 2; call <= 5 && status != CaptureStatus::Ok; ++call)
    status = CaptScore(b.app(), score);
  ASSERT_EQ(status, CaptureStatus::Ok);
  ASSERT_EQ(score.ScoreRowCount, 9);
  for (std::size_t r = 0; r < scene.rows.size(); ++r)
    EXPECT_EQ(score.ScoreRows[r + 1], scene.rows[r]) << "row " << r + 1;
  EXPECT_GT(b.ClientHeightOf(KindScore), shortHeight);
  EXPECT_EQ(b.WindowOf(KindScore).left, 0);
  EXPECT_EQ(b.WindowOf(KindScore).top, 300);
}

TEST(DealWindowTest, EmptyScoreWindowIsShrunkToTheTopOfTheScreen) {
  Beside b("DealScoreEmpty", "");
  ASSERT_TRUE(b.RunUntil([&] { return b.app().game.handle(KindScore) != 0; }));
  b.Freeze();
  const Rect at = b.WindowOf(KindScore);
  b.program->moveWindow(b.app().game.handle(KindScore), {at.left, 300, at.right, 300 + 320}, true);
  HandRecord score;
  ASSERT_EQ(CaptScore(b.app(), score), CaptureStatus::Ok);
  EXPECT_EQ(score.ScoreRowCount, 0);
  EXPECT_EQ(b.ClientHeightOf(KindScore), 140);
  EXPECT_EQ(b.WindowOf(KindScore).top, 0);
}

TEST(DealWindowTest, LastHandIsReadAtTheScreenCornerAndPutAway) {
  Beside b("DealLastHand", "");
  ASSERT_TRUE(b.PlayDeals(1));
  b.Freeze();
  const WindowHandle window = b.app().game.handle(KindLastHand);
  const Rect at = b.WindowOf(KindLastHand);
  b.program->moveWindow(window, {300, 400, 300 + at.width(), 400 + at.height()}, true);
  recognition::LastHandReading hand;
  b.app().settings.minimizeLastHand = false;
  ASSERT_EQ(ReadLastHand(b.app(), hand), CaptureStatus::Ok);
  ASSERT_EQ(hand.outcome, recognition::LastHandOutcome::Read);
  EXPECT_EQ(b.WindowOf(KindLastHand).left, 0);
  EXPECT_EQ(b.WindowOf(KindLastHand).top, 0);
  EXPECT_EQ(b.WindowOf(KindLastHand).width(), at.width());
  const HandRecord& truth = b.table->truths().back();
  for (std::size_t seat = 0; seat < 4; ++seat) {
    EXPECT_EQ(hand.names[seat], truth.PlayerNames[seat]);
    for (std::size_t t = 0; t < TrickCount; ++t) {
      EXPECT_EQ(hand.cards[seat][t], truth.PlayTexts[t][seat]);
      EXPECT_EQ(hand.marks[seat][t], truth.LeadMarks[t][seat]);
    }
  }
  // With "Minimize LastHand" the window is put away after the reading.
  b.app().settings.minimizeLastHand = true;
  ASSERT_EQ(ReadLastHand(b.app(), hand), CaptureStatus::Ok);
  EXPECT_TRUE(hand.anyName());
  EXPECT_NE(b.program->windowStyle(window) & WindowStyle::Minimize, 0u);
}

// The same last hand read twice records one deal; a missing window is asked for again.
TEST(DealWindowTest, UnchangedLastHandRecordsNothingAndAMissingWindowIsAskedFor) {
  Beside b("DealMissing", "");
  ASSERT_TRUE(b.PlayDeals(1));
  b.Freeze();
  CaptureLastHand(b.app(), CaptureMode::ByHand);
  EXPECT_EQ(b.app().frmZ.filBox->items().size(), 1u);

  b.table->SuppressSubWindow(KindLastHand, true);
  b.table->CloseSubWindow(KindLastHand);
  EnumerateWindows(b.app());
  FindGameWindows(b.app(), KindLastHand);
  ASSERT_EQ(b.app().game.handle(KindLastHand), 0u);
  CaptureLastHand(b.app(), CaptureMode::ByHand);
  EXPECT_TRUE(b.app().game.PendingKind[KindLastHand]);
  EXPECT_EQ(b.app().frmZ.filBox->items().size(), 1u);
  EXPECT_TRUE(b.app().frmZ.cmdHand->enabled());
  EXPECT_TRUE(b.app().frmZ.cmdBid->visible());
}

}  // namespace
}  // namespace scorlet::companion
