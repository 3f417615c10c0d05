// Whole sessions at the substitute table with every card display on, at the table's quick pace
// and at a person's pace. After each trick the companion hands to its displays, what they show
// agrees with the cards the table played: the live grid (values and the cells of frmCardPlay)
// holds each trick under its own number with its winner and leader, or nothing for a trick not
// seen; the shown cards, their void marks and the remaining-cards box (values and pixels) follow
// the tricks seen; the right counter's trick counts are those of the table after some trick of
// the deal. A picture of the desktop mid-deal is written beside the test's folder.
#include <gtest/gtest.h>

#include <algorithm>
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
std::size_t SeatAt(int position) { return static_cast<std::size_t>((UserSeat + position) % 4); }

bool Inked(const Image& image, const Rect& r, Color back) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (image.contains(x, y) && image.at(x, y) != back) return true;
  return false;
}

// One deal as the table played it, kept while the table plays on into the next.
struct TableDeal {
  int serial = -1;
  table::DealState deal;
  int completed = 0;  // tricks won so far
};

struct Watch {
  Watch(App& a, table::TableClient& t) : app(a), table(t) {}
  App& app;
  table::TableClient& table;
  TableDeal current;
  TableDeal previous;
  int lastSeen = -1;
  CounterView lastCounter;
  int checks = 0;
  std::set<std::pair<int, int>> tricksShown;  // (deal serial, trick) shown with their cards
  std::set<int> dealsFollowed;
  int winnersMarked = 0;
  int winnersUnknown = 0;
  int leadersMarked = 0;
  int leadersUnknown = 0;

  void FollowTable() {
    const table::SpadesGame& game = table.game();
    if (game.phase() == table::Phase::Bidding) return;
    const int serial = game.gameNumber() * 100 + game.deal().number;
    if (serial != current.serial) {
      previous = current;
      current.serial = serial;
    }
    current.deal = game.deal();
    current.completed = game.phase() == table::Phase::Playing ? game.deal().trickIndex : TrickCount;
  }

  // The table's deal whose cards the live grid shows; nullptr when it shows none yet.
  const TableDeal* DealOfGrid() const {
    const LivePlay& live = app.record.cards.live;
    for (const TableDeal* d : {&current, &previous}) {
      if (d->serial < 0) continue;
      bool any = false;
      bool all = true;
      for (int i = 0; i < live.tricksSeen; ++i)
        for (int p = 0; p < 4; ++p) {
          const int code =
              live.cards[static_cast<std::size_t>(i)][static_cast<std::size_t>(p)].code;
          if (code == 0) continue;
          any = true;
          all = all && i < d->completed &&
                d->deal.tricks[static_cast<std::size_t>(i)].cards[SeatAt(p)] == std::abs(code);
        }
      if (any && all) return d;
    }
    return nullptr;
  }

  void Check() {
    FollowTable();
    const CardDisplayState& c = app.record.cards;
    const CounterView& counter = app.record.counterDisplays.rightView;
    if (c.live.tricksSeen == lastSeen && counter.cTrk == lastCounter.cTrk) return;
    lastSeen = c.live.tricksSeen;
    lastCounter = counter;
    const TableDeal* d = DealOfGrid();
    bool anyCard = false;
    for (int i = 0; i < c.live.tricksSeen; ++i)
      anyCard = anyCard || c.live.cards[static_cast<std::size_t>(i)][0].code != 0;
    ASSERT_TRUE(d != nullptr || !anyCard)
        << "the live grid shows cards of no deal the table played";
    if (d == nullptr) d = &current;
    ++checks;
    CheckGrid(*d);
    if (::testing::Test::HasFatalFailure()) return;
    CheckShownCards(*d);
    if (::testing::Test::HasFatalFailure()) return;
    CheckCounter(*d);
    if (::testing::Test::HasFatalFailure()) return;
    CheckPixels();
  }

  // Every trick is under its own number with all four cards, or empty (not seen); its winner
  // and its leader are marked when the step knew them, and on no other seat.
  void CheckGrid(const TableDeal& d) {
    const CardDisplayState& c = app.record.cards;
    if (c.live.tricksSeen > 0) dealsFollowed.insert(d.serial);
    for (int i = 0; i < c.live.tricksSeen; ++i) {
      const auto& row = c.live.cards[static_cast<std::size_t>(i)];
      const table::Trick& trick = d.deal.tricks[static_cast<std::size_t>(i)];
      const bool seen = row[0].code != 0;
      const int winner = table::TrickWinner(trick);
      int leads = 0;
      int wins = 0;
      for (int p = 0; p < 4; ++p) {
        const GridCell& cell = row[static_cast<std::size_t>(p)];
        const std::size_t seat = SeatAt(p);
        ASSERT_EQ(cell.code != 0, seen) << "trick " << i + 1 << " position " << p;
        if (!seen) continue;
        ASSERT_EQ(std::abs(cell.code), trick.cards[seat]) << "trick " << i + 1 << " position " << p;
        if (cell.win == 1) {
          ASSERT_EQ(static_cast<int>(seat), winner) << "trick " << i + 1;
          ++wins;
        }
        const bool nilWon = cell.win == 1 && d.deal.bids[seat].IsNilKind();
        ASSERT_EQ(cell.code < 0, nilWon) << "trick " << i + 1 << " position " << p;
        if (cell.lead == 1) {
          ASSERT_EQ(static_cast<int>(seat), trick.leader) << "trick " << i + 1;
          ++leads;
        }
      }
      if (seen && tricksShown.insert({d.serial, i}).second) {
        ++(wins == 1 ? winnersMarked : winnersUnknown);
        if (i > 0) ++(leads == 1 ? leadersMarked : leadersUnknown);
      }
    }
  }

  // The shown cards and the remaining cards are the cards of the tricks seen; a void mark is
  // true of the player's hand at that point of the deal, and so is the mark of a suit he holds
  // all of, or all his cards are of.
  void CheckShownCards(const TableDeal& d) {
    const CardDisplayState& c = app.record.cards;
    RemainingCards expectedRemaining;
    ShownTable expectedShown{};
    std::array<std::vector<int>, 4> held;  // by position: the cards still in the hand
    for (int p = 0; p < 4; ++p) {
      const auto& dealt = d.deal.dealt[SeatAt(p)];
      held[static_cast<std::size_t>(p)].assign(dealt.begin(), dealt.end());
    }
    for (int i = 0; i < c.live.tricksSeen; ++i) {
      const table::Trick& trick = d.deal.tricks[static_cast<std::size_t>(i)];
      for (int p = 0; p < 4; ++p) {
        const int card = trick.cards[SeatAt(p)];
        auto& hand = held[static_cast<std::size_t>(p)];
        hand.erase(std::remove(hand.begin(), hand.end(), card), hand.end());
        const int code =
            c.live.cards[static_cast<std::size_t>(i)][static_cast<std::size_t>(p)].code;
        if (code == 0) continue;
        expectedRemaining.played[static_cast<std::size_t>(SuitOf(code))]
                                [static_cast<std::size_t>(RankOf(code) - 2)] = true;
        AddShownCard(expectedShown, p, code);
      }
    }
    ASSERT_EQ(c.remaining.played, expectedRemaining.played);
    for (std::size_t p = 0; p < 4; ++p)
      for (std::size_t s = 0; s < 4; ++s) {
        ASSERT_EQ(c.shown[p][s].count, expectedShown[p][s].count);
        ASSERT_EQ(c.shown[p][s].codes, expectedShown[p][s].codes);
        const auto& hand = held[p];
        const auto inSuit = [s](int card) { return SuitOf(card) == static_cast<int>(s); };
        const long holds = std::count_if(hand.begin(), hand.end(), inSuit);
        long outstanding = 0;
        for (const auto& other : held)
          outstanding += std::count_if(other.begin(), other.end(), inSuit);
        if (c.shown[p][s].voidFlag == 1) {
          ASSERT_EQ(holds, 0) << "position " << p << " marked void in suit " << s;
        }
        // Flag 2: the others are out of the suit, or he is out of every other suit.
        if (c.shown[p][s].voidFlag == 2) {
          ASSERT_TRUE(holds == outstanding || holds == static_cast<long>(hand.size()))
              << "position " << p << " marked holding suit " << s;
        }
      }
  }

  // The right counter shows the partnerships' tricks after some trick of the deal, no fewer
  // than the grid has followed; the form's labels show the same.
  void CheckCounter(const TableDeal& d) {
    if (app.windows.counter != CounterSide::Right) return;
    const CounterView& view = app.record.counterDisplays.rightView;
    if (view.cTrk[2].text.empty()) return;
    const int total = std::atoi(view.cTrk[2].text.c_str());
    ASSERT_GE(total, app.record.cards.live.tricksSeen);
    ASSERT_LE(total, d.completed);
    std::array<int, 2> team{};
    for (int i = 0; i < total; ++i) {
      const int winner = table::TrickWinner(d.deal.tricks[static_cast<std::size_t>(i)]);
      ++team[static_cast<std::size_t>((winner - UserSeat + 4) % 2)];
    }
    ASSERT_EQ(std::atoi(view.cTrk[0].text.c_str()), team[0]) << "after trick " << total;
    ASSERT_EQ(std::atoi(view.cTrk[1].text.c_str()), team[1]) << "after trick " << total;
    Form& form = *app.windows.counterRight.form;
    for (int k = 0; k < 3; ++k) {
      const auto* label =
          dynamic_cast<const Label*>(form.control("cTrk(" + std::to_string(k) + ")"));
      ASSERT_NE(label, nullptr);
      ASSERT_EQ(label->caption(), view.cTrk[static_cast<std::size_t>(k)].text);
    }
  }

  // The remaining-cards box blanks exactly the cards played; the card-play window shows a cell
  // for every card of the live grid.
  void CheckPixels() {
    const CardDisplayState& c = app.record.cards;
    if (c.live.tricksSeen == 0) return;  // the box is filled when the deal's first trick comes
    Canvas& box = app.frmZ.remBox->canvas();
    const Image boxImage = box.readImage({0, 0, box.size().width, box.size().height});
    const int w = box.textWidth("A", RemainingFont);
    const int h = box.textHeight(RemainingFont);
    for (int s = 0; s < 4; ++s)
      for (int r = MinRank; r <= MaxRank; ++r) {
        const Rect cell{(MaxRank - r) * w, (3 - s) * (h + 2), (MaxRank - r + 1) * w,
                        (3 - s) * (h + 2) + h};
        const bool played =
            c.remaining.played[static_cast<std::size_t>(s)][static_cast<std::size_t>(r - 2)];
        ASSERT_EQ(Inked(boxImage, cell, app.BackColor()), !played) << "suit " << s << " rank " << r;
      }
    ASSERT_TRUE(app.windows.cardPlay.loaded());
    Canvas& grid = app.windows.cardPlay.form->canvas();
    const Image gridImage = grid.readImage({0, 0, grid.size().width, grid.size().height});
    for (int k = 0; k < 4; ++k) {
      const int y = static_cast<int>(((k + 1) * 2.3 - 0.4) * 8) + 2;
      for (int i = 0; i < TrickCount; ++i) {
        const GridCell& cell =
            c.live.cards[static_cast<std::size_t>(i)][static_cast<std::size_t>(GridRowPosition(k))];
        const int x = TrickColumnX(i, 4);
        const Rect r{x, y, x + c.strip.cellWidth, y + c.strip.cellHeight - 1};
        ASSERT_EQ(Inked(gridImage, r, app.settings.backColor2),
                  i < c.live.tricksSeen && cell.code != 0)
            << "trick " << i + 1 << " row " << k;
      }
    }
  }
};

struct Pace {
  const char* name;
  int actionDelayMs;  // between two bids or cards
  int trickPauseMs;   // a completed trick stays on the table
  int leastTricksShown;
};

void PrintTo(const Pace& pace, std::ostream* out) { *out << pace.name; }

class DisplaySessionTest : public ::testing::TestWithParam<Pace> {};

TEST_P(DisplaySessionTest, LiveDisplaysAgreeWithTheTableAfterEveryTrick) {
  const Pace pace = GetParam();
  const fs::path folder = testing::TestFolder(std::string("DisplaySession") + pace.name);
  VirtualDesktop desktop;
  auto tableProgram = desktop.startProgram("SpadesTable", folder.string());
  table::TableClientOptions options;
  options.game.seed = 21;
  options.maxDeals = 4;
  options.userSeat = UserSeat;
  options.dealPauseMs = 5000;
  options.actionDelayMs = pace.actionDelayMs;
  options.trickPauseMs = pace.trickPauseMs;
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
  Watch watch(app, table);
  // The last trick is shown only until the deal's end, inside the same tick: look at the
  // displays there too.
  app.trace = [&watch](const std::string& line) {
    if (line == "the trick counts show the end of the deal") watch.Check();
  };
  bool pictured = false;
  desktop.runUntil(
      [&] {
        watch.Check();
        if (!pictured && watch.dealsFollowed.size() >= 2 && watch.lastSeen >= 6) {
          pictured = true;
          const fs::path png = folder / "mid-deal.png";
          desktop.dumpPng(0, png.string());
          std::cout << "desktop mid-deal: " << png.string() << "\n";
          // The overlays stand beside the seats while the deal is played.
          EXPECT_FALSE(app.record.cards.overlays.bidPainted[0].empty());
        }
        return ::testing::Test::HasFatalFailure() || app.loop.ended ||
               app.loop.OnlineState == WentOffline;
      },
      9u * 120u * 1000u * static_cast<std::uint32_t>(pace.actionDelayMs / 400 + 1));
  if (!app.loop.ended) {
    CloseSession(app);
    EndProgram(app, ExitNormal);
  }
  ASSERT_EQ(table.dealsPlayed(), 4);
  // Every deal was recorded whole: the last hand completes what the trick step did not see.
  EXPECT_EQ(app.frmZ.filBox->items().size(), 4u);
  EXPECT_EQ(watch.dealsFollowed.size(), 4u);
  const int shown = static_cast<int>(watch.tricksShown.size());
  std::cout << pace.name << " pace: " << shown << " of " << 4 * TrickCount
            << " tricks reached the displays under their own number; winners marked on "
            << watch.winnersMarked << ", not known on " << watch.winnersUnknown
            << "; leaders marked on " << watch.leadersMarked << ", not known on "
            << watch.leadersUnknown << "; " << watch.checks << " checks\n";
  EXPECT_GE(shown, pace.leastTricksShown);
}

// The quick pace plays a trick every two seconds; a person's pace every six. At the quick pace
// the first trick of a deal can be won before the bidding has been read, and is left to the
// last hand.
INSTANTIATE_TEST_SUITE_P(Paces, DisplaySessionTest,
                         ::testing::Values(Pace{"Quick", 400, 800, 48},
                                           Pace{"Person", 1500, 1500, 4 * TrickCount}),
                         [](const ::testing::TestParamInfo<Pace>& info) {
                           return info.param.name;
                         });

}  // namespace
}  // namespace scorlet::companion
