// A whole session at the substitute table with every card display on: after each trick the
// companion hands to its displays, the live grid (values and the cells of frmCardPlay), the
// shown cards and the remaining-cards box (values and pixels) agree with the cards the table
// played. A picture of the desktop mid-deal is written beside the test's folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <set>

#include "companion/main/MainLoop.h"
#include "companion/main/Program.h"
#include "companion/record/LiveCards.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualProgram.h"
#include "tableclient/engine/Tricks.h"
#include "tableclient/window/TableClient.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

namespace fs = std::filesystem;

// Display position p is the seat (UserSeat + p) mod 4: the user at the bottom.
constexpr int UserSeat = 2;

bool Inked(const Image& image, const Rect& r, Color back) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (image.contains(x, y) && image.at(x, y) != back) return true;
  return false;
}

struct Watch {
  App& app;
  table::TableClient& table;
  int lastSeen = 0;
  int dealIndex = 0;  // the table's deal (0-based) that the live displays follow
  int checks = 0;
  int cardsChecked = 0;
  int atTheirNumber = 0;  // tricks the trick step recorded under their own number
  int misnumbered = 0;
  std::vector<int> tricksPerDeal;

  // The card the table played in trick i at a seat.
  int TableCard(int i, int seat) const {
    const auto t = static_cast<std::size_t>(i);
    const auto s = static_cast<std::size_t>(seat);
    if (table.dealsPlayed() > dealIndex)
      return table.truths()[static_cast<std::size_t>(dealIndex)].PlayCodes[t][s];
    return table.game().deal().tricks[t].cards[s];
  }

  void Check() {
    const CardDisplayState& c = app.record.cards;
    if (c.live.tricksSeen == lastSeen) return;
    if (c.live.tricksSeen < lastSeen || lastSeen == 0) {
      if (lastSeen != 0) tricksPerDeal.push_back(lastSeen);
      dealIndex = table.dealsPlayed();
    }
    lastSeen = c.live.tricksSeen;
    if (lastSeen == 0) return;
    ++checks;
    RemainingCards expectedRemaining;
    ShownTable expectedShown{};
    for (int i = 0; i < c.live.tricksSeen; ++i) {
      const bool live = table.dealsPlayed() == dealIndex;
      for (int p = 0; p < 4; ++p) {
        const GridCell& cell = c.live.cards[static_cast<std::size_t>(i)][static_cast<std::size_t>(p)];
        if (cell.code == 0) continue;
        const int seat = (UserSeat + p) % 4;
        // The card is one this seat played in the deal.
        bool played = false;
        for (int j = 0; j < TrickCount; ++j) played = played || TableCard(j, seat) == std::abs(cell.code);
        ASSERT_TRUE(played) << "trick " << i + 1 << " position " << p << ": " << cell.code;
        if (p == 0) {
          if (std::abs(cell.code) == TableCard(i, seat)) {
            ++atTheirNumber;
          } else {
            ++misnumbered;
          }
        }
        // The grid shows what the trick step recorded.
        const TrickSeen& step = app.reading.trick.tricks[static_cast<std::size_t>(i)];
        if (table.dealsPlayed() == dealIndex && step.codes[static_cast<std::size_t>(p)] != 0) {
          ASSERT_EQ(cell.code, step.codes[static_cast<std::size_t>(p)]);
        }
        // The winner and the leader are known to the trick step when it saw the trick before
        // (the counts then name one seat); after a missed trick they may not be.
        const auto seen = [&](int j) {
          return j >= 0 && c.live.cards[static_cast<std::size_t>(j)][0].code != 0;
        };
        const bool winnerKnown = i == 0 || seen(i - 1);
        const bool leaderKnown = i > 0 && seen(i - 1) && (i == 1 || seen(i - 2));
        if (live && winnerKnown && std::abs(cell.code) == TableCard(i, seat)) {
          const table::Trick& t = table.game().deal().tricks[static_cast<std::size_t>(i)];
          ASSERT_EQ(cell.win == 1, table::TrickWinner(t) == seat) << "trick " << i + 1;
          if (leaderKnown) {
            ASSERT_EQ(cell.lead == 1, t.leader == seat) << "trick " << i + 1;
          }
        }
        expectedRemaining.played[static_cast<std::size_t>(SuitOf(cell.code))]
                                [static_cast<std::size_t>(RankOf(cell.code) - 2)] = true;
        AddShownCard(expectedShown, p, cell.code);
        ++cardsChecked;
      }
    }
    ASSERT_EQ(c.remaining.played, expectedRemaining.played);
    for (std::size_t p = 0; p < 4; ++p)
      for (std::size_t s = 0; s < 4; ++s) {
        ASSERT_EQ(c.shown[p][s].count, expectedShown[p][s].count);
        ASSERT_EQ(c.shown[p][s].codes, expectedShown[p][s].codes);
      }
    CheckPixels();
  }

  // The remaining-cards box blanks exactly the cards played; the card-play window shows a cell
  // for every card of the live grid.
  void CheckPixels() {
    const CardDisplayState& c = app.record.cards;
    Canvas& box = app.frmZ.remBox->canvas();
    const Image boxImage = box.readImage({0, 0, box.size().width, box.size().height});
    const int w = box.textWidth("A", RemainingFont);
    const int h = box.textHeight(RemainingFont);
    for (int s = 0; s < 4; ++s)
      for (int r = MinRank; r <= MaxRank; ++r) {
        const Rect cell{(MaxRank - r) * w, (3 - s) * (h + 2), (MaxRank - r + 1) * w, (3 - s) * (h + 2) + h};
        const bool played = c.remaining.played[static_cast<std::size_t>(s)][static_cast<std::size_t>(r - 2)];
        ASSERT_EQ(Inked(boxImage, cell, app.BackColor()), !played) << "suit " << s << " rank " << r;
      }
    ASSERT_TRUE(app.windows.cardPlay.loaded());
    Canvas& grid = app.windows.cardPlay.form->canvas();
    const Image gridImage = grid.readImage({0, 0, grid.size().width, grid.size().height});
    for (int k = 0; k < 4; ++k) {
      const int y = static_cast<int>(((k + 1) * 2.3 - 0.4) * 8) + 2;
      for (int i = 0; i < TrickCount; ++i) {
        const GridCell& cell = c.live.cards[static_cast<std::size_t>(i)]
                                           [static_cast<std::size_t>(GridRowPosition(k))];
        const int x = TrickColumnX(i, 4);
        const Rect r{x, y, x + c.strip.cellWidth, y + c.strip.cellHeight - 1};
        ASSERT_EQ(Inked(gridImage, r, app.settings.backColor2), i < c.live.tricksSeen && cell.code != 0)
            << "trick " << i + 1 << " row " << k;
      }
    }
  }
};

TEST(DisplaySessionTest, LiveDisplaysAgreeWithTheTableAfterEveryTrick) {
  const fs::path folder = testing::TestFolder("DisplaySession");
  VirtualDesktop desktop;
  auto tableProgram = desktop.startProgram("SpadesTable", folder.string());
  table::TableClientOptions options;
  options.game.seed = 21;
  options.maxDeals = 4;
  options.userSeat = UserSeat;
  options.dealPauseMs = 5000;
  options.closeWhenDone = true;
  table::TableClient table(*tableProgram, *tableProgram, options);
  const std::string user = table.options().game.names[UserSeat];
  testing::Harness::WriteIniTo(folder, "MyYahooID=" + user +
                                           "\r\nBidTrickCounter=(110,315),(500,400)\r\n"
                                           "CountCards=(644,20)\r\nBoldBidTrick=yes\r\n");
  auto companionProgram = desktop.startProgram("ScorletS", folder.string());
  Companion companion(*companionProgram, *companionProgram);
  App& app = companion.app();
  ASSERT_TRUE(companion.Start());
  ASSERT_TRUE(table.Open());
  Watch watch{app, table, 0, 0, 0, 0, 0, 0, {}};
  bool pictured = false;
  desktop.runUntil(
      [&] {
        watch.Check();
        if (!pictured && watch.dealIndex >= 1 && watch.lastSeen >= 6) {
          pictured = true;
          const fs::path png = folder / "mid-deal.png";
          desktop.dumpPng(0, png.string());
          std::cout << "desktop mid-deal: " << png.string() << "\n";
          // The overlays stand beside the seats while the deal is played.
          const auto& o = app.record.cards.overlays;
          EXPECT_FALSE(o.bidPainted[0].empty());
        }
        return ::testing::Test::HasFatalFailure() || app.loop.ended ||
               app.loop.OnlineState == WentOffline;
      },
      9u * 120u * 1000u);
  if (!app.loop.ended) {
    CloseSession(app);
    EndProgram(app, ExitNormal);
  }
  watch.tricksPerDeal.push_back(watch.lastSeen);
  EXPECT_EQ(table.dealsPlayed(), 4);
  EXPECT_GT(watch.checks, 0);
  // Every trick of every deal reached the displays.
  int tricksSeen = 0;
  for (const int seen : watch.tricksPerDeal) tricksSeen += seen;
  EXPECT_GE(tricksSeen, 4 * TrickCount * 3 / 4);
  std::cout << "tricks recorded under their own number: " << watch.atTheirNumber
            << ", under another: " << watch.misnumbered << "\n";
  std::cout << "cards checked: " << watch.cardsChecked << " in " << watch.checks << " tricks\n";
  EXPECT_EQ(watch.cardsChecked > 0, true);
}

}  // namespace
}  // namespace scorlet::companion
