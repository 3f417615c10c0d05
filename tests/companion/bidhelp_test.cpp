// The bid helper: the advice for the third and fourth seat worked out from the bids and scores,
// and the window that shows it beside the table.
#include <gtest/gtest.h>

#include <algorithm>

#include "companion/bidhelp/BidHelp.h"
#include "companion/main/App.h"
#include "tableclient/engine/Rules.h"
#include "tableclient/window/TableClient.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

using Bids = std::array<std::string, 4>;  // by display position: user, LHO, partner, RHO

struct Line {
  std::string text;
  int projected;
};

std::vector<Line> YouLines(const HelpBidAdvice& a) {
  return {{a.youBid[0].text(), a.ours.projected1}, {a.youBid[1].text(), a.ours.projected2}};
}
std::vector<Line> TheyLines(const HelpBidAdvice& a) {
  std::vector<Line> lines{{a.theyBid[0].text(), a.theirs.projected1}};
  if (a.theyLines > 1) lines.push_back({a.theyBid[1].text(), a.theirs.projected2});
  return lines;
}

bool operator==(const Line& a, const Line& b) { return a.text == b.text && a.projected == b.projected; }
void PrintTo(const Line& l, std::ostream* os) { *os << '"' << l.text << "\" " << l.projected; }

TEST(AdviseBid, FourthSeat) {
  // Ours 420 with the partner's 4 (460), theirs 430 with 3 and 4 (500): d = 40, bids 4 and 5.
  auto a = AdviseBid({"", "3", "4", "4"}, true, 420, 430, 3, false);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->seat, 4);
  EXPECT_EQ(YouLines(*a), (std::vector<Line>{{"4, 4", 500}, {"4, 5", 510}}));
  EXPECT_EQ(TheyLines(*a), (std::vector<Line>{{"3, 4", 500}}));
  EXPECT_EQ(a->ours.score, 420);
  EXPECT_EQ(a->theirs.score, 430);
  // The opponents at 480 with their bids: nothing, unless a log file is set.
  EXPECT_FALSE(AdviseBid({"", "3", "4", "4"}, true, 420, 410, 3, false));
  EXPECT_TRUE(AdviseBid({"", "3", "4", "4"}, true, 420, 410, 3, true));
  // The opponents 200 ahead: the difference is limited to 130.
  a = AdviseBid({"", "3", "2", "4"}, true, 300, 450, 3, false);
  ASSERT_TRUE(a);
  EXPECT_EQ(YouLines(*a), (std::vector<Line>{{"2, 13", 450}, {"2, 14", 460}}));
  // No deal recorded yet in this game.
  EXPECT_FALSE(AdviseBid({"", "3", "4", "4"}, false, 420, 430, 3, true));
  // Three bids counted but not all three read: no advice made up from missing bids, even with
  // a log file.
  EXPECT_FALSE(AdviseBid({"", "", "", ""}, true, 100, 30, 3, true));
  EXPECT_FALSE(AdviseBid({"", "3", "", "4"}, true, 420, 430, 3, true));
}

TEST(AdviseBid, ThirdSeat) {
  // Partner 3, right-hand opponent 4: six tricks left. 470 against 490: 5 is the smallest bid
  // that stays ahead (520 against 500; with 4, 510 against 510).
  auto a = AdviseBid({"", "", "3", "4"}, true, 440, 450, 2, false);
  ASSERT_TRUE(a);
  EXPECT_EQ(a->seat, 3);
  EXPECT_EQ(YouLines(*a), (std::vector<Line>{{"3, 5", 520}, {"3, 4", 510}}));
  EXPECT_EQ(TheyLines(*a), (std::vector<Line>{{"4, 1", 500}, {"4, 2", 510}}));
  // Not even six puts the user's side ahead: Nil first, then 1.
  a = AdviseBid({"", "", "3", "4"}, true, 300, 480, 2, false);
  ASSERT_TRUE(a);
  EXPECT_EQ(YouLines(*a), (std::vector<Line>{{"3, N", 430}, {"3, 1", 340}}));
  EXPECT_EQ(TheyLines(*a), (std::vector<Line>{{"4, 6", 580}, {"4, 5", 570}}));
  // Far ahead: 1 is enough, Nil second.
  a = AdviseBid({"", "", "3", "4"}, true, 500, 420, 2, false);
  ASSERT_TRUE(a);
  EXPECT_EQ(YouLines(*a), (std::vector<Line>{{"3, 1", 540}, {"3, N", 630}}));
  EXPECT_EQ(TheyLines(*a), (std::vector<Line>{{"4, 5", 510}, {"4, 6", 520}}));
  // A partner's Nil counts no tricks and 100 points: nine tricks left, 400 + 100 against 500.
  a = AdviseBid({"", "", "N", "4"}, true, 400, 460, 2, false);
  ASSERT_TRUE(a);
  EXPECT_EQ(YouLines(*a), (std::vector<Line>{{"N, 5", 550}, {"N, 4", 540}}));
  EXPECT_EQ(TheyLines(*a), (std::vector<Line>{{"4, 4", 540}, {"4, 5", 550}}));
  // Bids that add up to the whole deal leave no trick, never a negative one.
  a = AdviseBid({"", "", "6", "7"}, true, 300, 480, 2, false);
  ASSERT_TRUE(a);
  EXPECT_EQ(TheyLines(*a), (std::vector<Line>{{"7, 0", 550}, {"7, 0", 550}}));
  // The partner or the right-hand opponent has not bid, or the opponents are far: nothing.
  EXPECT_FALSE(AdviseBid({"", "", "3", ""}, true, 440, 450, 2, true));
  EXPECT_FALSE(AdviseBid({"", "", "3", "4"}, true, 440, 400, 2, false));
  EXPECT_FALSE(AdviseBid({"", "", "3", "4"}, true, 440, 450, 1, true));
}

class HelpBidWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    h = std::make_unique<testing::Harness>("HelpBidWindow");
    ASSERT_TRUE(h->Start());
    h->GoOnline();
  }
  void Bid(const Bids& bids, int bidsRead, std::array<std::int32_t, 4> row) {
    // During the bidding only the bid pass has the bids (those of the deal's record are kept
    // once all four are in).
    App& app = h->app();
    app.deal.bids = bids;
    app.reading.SeatBids = {};
    app.counters.BidsRead = bidsRead;
    app.record.counterDisplays.scoreRow = row;
    app.record.counterDisplays.scoreRows = 3;
    Show_HelpBid(app);
  }
  std::string Caption(const std::string& control) { return h->program->caption("frmHelpBid", control); }
  bool Drawn(const std::string& text) {
    const auto texts = h->program->drawnTexts("frmHelpBid", "pic");
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }
  std::unique_ptr<testing::Harness> h;
};

TEST_F(HelpBidWindowTest, ThirdAndFourthSeatBesideTheTable) {
  App& app = h->app();
  app.settings.helpBidPos = {kBesideTable, kBesideTable};
  app.SeatRotation = {1, 2, 3, 0};  // the user sits East: the second score pair is his side's
  Rect table;
  ASSERT_TRUE(app.desktop.windowRect(app.game.TableWindow, table));
  Bid({"", "", "3", "4"}, 2, {450, 0, 440, 0});
  HelperWindow& w = app.windows.helpBid;
  ASSERT_NE(w.form, nullptr);
  EXPECT_TRUE(w.form->visible());
  EXPECT_EQ(w.state, HelperState::Topmost);
  EXPECT_EQ(w.form->caption(), "Help Bid in 3-rd Seat");
  EXPECT_EQ(w.form->bounds().left, table.left + 60);
  EXPECT_EQ(w.form->bounds().top, table.top + 120);
  EXPECT_EQ(w.form->bounds().height(), 1680 / 15);
  EXPECT_EQ(Caption("YouBid(0)"), "3, 5");
  EXPECT_EQ(Caption("YouBid(1)"), "3, 4");
  EXPECT_EQ(Caption("TheyBid(0)"), "4, 1");
  EXPECT_EQ(Caption("TheyBid(1)"), "4, 2");
  for (const char* text : {"3, ", "5", "4", "440", "520", "510", "450", "500"})
    EXPECT_TRUE(Drawn(text)) << text;

  Bid({"", "3", "4", "4"}, 3, {430, 0, 420, 0});
  EXPECT_EQ(w.form->caption(), "Help 4-th Bid");
  EXPECT_EQ(w.state, HelperState::Loaded);  // not kept top-most on every tick
  EXPECT_TRUE(w.form->visible());
  EXPECT_EQ(w.form->bounds().height(), 1980 / 15);
  EXPECT_EQ(w.form->bounds().width(), 2735 / 15);
  EXPECT_EQ(w.form->bounds().left, table.left + 60);  // the user's moves are kept: placed once
  EXPECT_EQ(Caption("YouBid(0)"), "4, 4");
  EXPECT_EQ(Caption("YouBid(1)"), "4, 5");
  EXPECT_EQ(Caption("TheyBid(0)"), "3, 4");
  EXPECT_EQ(Caption("TheyBid(1)"), "");
  EXPECT_TRUE(Drawn("510"));
  EXPECT_FALSE(Drawn("520"));  // the picture was cleared

  // The user closes it; the next advice loads it again.
  w.form->close();
  EXPECT_EQ(w.state, HelperState::NotLoaded);
  Bid({"", "3", "4", "4"}, 3, {430, 0, 420, 0});
  ASSERT_NE(w.form, nullptr);
  EXPECT_TRUE(w.form->visible());
}

// The advice goes once the play begins, whether it was kept on top (third seat) or not (fourth
// seat) and whether or not the bidding board was in use.
TEST_F(HelpBidWindowTest, HiddenWhenThePlayBegins) {
  App& app = h->app();
  app.settings.helpBidPos = {30, 40};
  h->Tick();
  h->Tick();
  for (int bidsRead : {2, 3}) {
    Bid({"", bidsRead == 3 ? "3" : "", "4", "4"}, bidsRead, {430, 0, 450, 0});
    HelperWindow& w = app.windows.helpBid;
    ASSERT_NE(w.form, nullptr) << bidsRead;
    ASSERT_TRUE(w.form->visible()) << bidsRead;
    EXPECT_FALSE(app.windows.board.kept());
    app.loop.slots.Arm(SlotTrickStep, h->desktop.now(), 60000);
    h->Tick();
    EXPECT_FALSE(w.form->visible()) << bidsRead;
    EXPECT_NE(w.state, HelperState::Topmost) << bidsRead;
    app.loop.slots.Disarm(SlotTrickStep);
  }
}

TEST_F(HelpBidWindowTest, ConfiguredPlaceAndNothingToShow) {
  App& app = h->app();
  app.settings.helpBidPos = {30, 40};
  Bid({"", "3", "4", "4"}, 3, {420, 0, 400, 0});  // the opponents at 470: no advice
  EXPECT_TRUE(app.windows.helpBid.form == nullptr || !app.windows.helpBid.form->visible());
  Bid({"", "3", "4", "4"}, 3, {420, 0, 430, 0});
  ASSERT_NE(app.windows.helpBid.form, nullptr);
  EXPECT_EQ(app.windows.helpBid.form->bounds().left, 30);
  EXPECT_EQ(app.windows.helpBid.form->bounds().top, 40);
  HideHelpBid(app);
  EXPECT_FALSE(app.windows.helpBid.form->visible());
}

// Beside a table that waits for the user's bid: when the helper opens in the third or fourth
// seat, its advice is made from the bids the table shows (the bid pass keeps the deal's bids for
// the record only once all four are in). The event log makes the helper show in every deal.
TEST(HelpBidSessionTest, AdviceIsMadeFromTheBidsOnTheTable) {
  testing::Harness h("HelpBidSession");
  h.WriteIni("MyYahooID=South\r\nHelpBidIn4thSeat=(900,40)\r\nlog=ScorletS.log\r\n");
  ASSERT_TRUE(h.Start(false));
  App& app = h.app();
  auto program = h.desktop.startProgram("SpadesTable", h.folder.string());
  table::TableClientOptions options;
  options.game.seed = 12;
  options.userBids = true;
  options.dealPauseMs = 5000;
  table::TableClient client(*program, *program, options);
  ASSERT_TRUE(client.Open());
  const HelperWindow& w = app.windows.helpBid;
  int checked = 0;
  for (int deal = 0; deal < 4; ++deal) {
    ASSERT_TRUE(h.desktop.runUntil([&] { return client.waitingForUser(); }, 3u * 60u * 1000u));
    if (h.desktop.runUntil([&] { return w.form != nullptr && w.form->visible(); }, 3000)) {
      // Display positions 1, 2, 3: the left-hand opponent, the partner, the right-hand opponent.
      std::array<std::string, 4> shown;
      for (int p = 1; p < 4; ++p) {
        const int seat = table::SeatAtPosition(options.userSeat, p);
        shown[static_cast<std::size_t>(p)] = table::BidTextOf(
            client.game().deal().bids[static_cast<std::size_t>(seat)], client.game().setup().options);
      }
      const std::string you = h.program->caption("frmHelpBid", "YouBid(0)");
      EXPECT_EQ(you.substr(0, you.find(',')), shown[2]) << "deal " << deal + 1;
      if (w.form->caption() == "Help 4-th Bid") {
        EXPECT_EQ(h.program->caption("frmHelpBid", "TheyBid(0)"), shown[1] + ", " + shown[3]);
      }
      ++checked;
    }
    ASSERT_TRUE(client.SubmitBid(table::Bid::Number(3)));
  }
  EXPECT_GE(checked, 1);
}

}  // namespace
}  // namespace scorlet::companion
