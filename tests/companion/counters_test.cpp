// The bid and trick counters and the scoring rule they share, read from the counter windows
// themselves; the rule's points at the end of a hand against the substitute table's own scoring.
#include <gtest/gtest.h>

#include <random>

#include "companion/main/App.h"
#include "companion/record/CounterWindows.h"
#include "companion/record/Scoring.h"
#include "tableclient/engine/Scoring.h"
#include "tableclient/render/SubViews.h"
#include "tests/companion/CompanionHarness.h"

namespace scorlet::companion {
namespace {

using testing::Harness;

TEST(ScoringRule, BidValuesAndDealDifferences) {
  EXPECT_EQ(ScoreBid("N"), 100);
  EXPECT_EQ(ScoreBid("D"), 200);
  EXPECT_EQ(ScoreBid("DP"), 200);
  EXPECT_EQ(ScoreBid("4"), 40);
  EXPECT_EQ(ScoreBid(""), 0);
  EXPECT_EQ(TeamBidOf("4", "N"), 4);
  EXPECT_EQ(BidProjectionOf(100, "3", "D"), 100 + 30 + 200);

  const std::array<std::int32_t, 4> before{120, 8, 85, 3};
  const std::array<std::int32_t, 4> after{62, 0, 131, 4};
  const DealScore first = DealScoreOf(before, after, 0);
  const DealScore second = DealScoreOf(before, after, 2);
  EXPECT_EQ(first.points, -58);
  EXPECT_EQ(first.bags, 2);
  EXPECT_EQ(second.points, 46);
  EXPECT_EQ(second.bags, 1);
}

TEST(ScoringRule, ProjectionAtTheEndAgreesWithTheTablesScoring) {
  std::mt19937 random(7);
  table::TableOptions options;
  for (int deal = 0; deal < 500; ++deal) {
    std::array<table::Bid, 4> bids;
    std::array<std::string, 4> texts;
    std::array<int, 4> tricks{};
    int left = DealTricks;
    for (std::size_t s = 0; s < 4; ++s) {
      const int n = 1 + static_cast<int>(random() % 5);
      bids[s] = table::Bid::Number(n);
      texts[s] = std::to_string(n);
      tricks[s] = s == 3 ? left : static_cast<int>(random() % static_cast<unsigned>(left + 1));
      left -= tricks[s];
    }
    const table::ScoreLine start{static_cast<int>(random() % 400), static_cast<int>(random() % 10),
                                 static_cast<int>(random() % 400) - 100,
                                 static_cast<int>(random() % 10)};
    const table::ScoreLine end = table::ScoreDeal(start, bids, tricks, options);
    for (int side = 0; side < 2; ++side) {
      const auto s = static_cast<std::size_t>(side);
      const int own = tricks[s] + tricks[s + 2];
      const int projected =
          HandProjectionOf(start[2 * s], start[2 * s + 1], TeamBidOf(texts[s], texts[s + 2]), own,
                           DealTricks - own, DealTricks, {});
      ASSERT_EQ(projected, end[2 * s]) << "deal " << deal << " side " << side;
    }
  }
}

// The counters of a companion on line, fed as the bid capture and the trick step feed them.
class CounterWindowTest : public ::testing::Test {
 protected:
  CounterWindowTest() : h("Counters") {}
  void SetUp() override {
    h.WriteIni("BidTrickCounter=(10,20),(300,40)\r\n");
    ASSERT_TRUE(h.Start());
    h.GoOnline();
  }
  App& app() { return h.app(); }
  // Score row of North-South first; the user sits North.
  void Bids(std::array<std::string, 4> bids, std::array<std::int32_t, 4> row, int read = 4) {
    KeepScoreRow(app(), row, 1);
    app().deal.bids = bids;
    FeedCounters(app(), read);
  }
  void Tricks(std::array<int, 4> tricks) {
    app().deal.tricks = {tricks[0], tricks[1], tricks[2], tricks[3]};
    UpdateCounters(app());
  }
  std::string Shown(const std::string& form, const std::string& label) {
    return h.program->caption(form, label);
  }
  const Control& LabelOn(const HelperWindow& w, const std::string& label) {
    return *w.form->control(label);
  }
  std::string Right(const std::string& label) { return Shown("frmCounter", label); }
  Color RightColor(const std::string& label) {
    return LabelOn(app().windows.counterRight, label).foreColor();
  }
  Harness h;
};

TEST_F(CounterWindowTest, PartnershipBidsAndTheirColours) {
  Bids({"4", "", "N", ""}, {0, 0, 0, 0}, 2);
  EXPECT_EQ(app().windows.counter, CounterSide::Left);
  EXPECT_TRUE(app().windows.counterLeft.form->visible());
  EXPECT_EQ(Shown("frmCounter0", "cBid(0)"), "4");
  // While bids are missing every bid label is black, Nil or not.
  EXPECT_EQ(LabelOn(app().windows.counterLeft, "cBid(0)").foreColor(), Colors::Black);

  Bids({"4", "3", "N", "2"}, {0, 0, 0, 0});
  EXPECT_EQ(app().windows.counter, CounterSide::Right);
  EXPECT_FALSE(app().windows.counterLeft.form->visible());
  EXPECT_EQ(Right("cBid(0)"), "4");
  EXPECT_EQ(RightColor("cBid(0)"), Colors::Red);
  EXPECT_EQ(Right("cBid(1)"), "5");
  EXPECT_EQ(RightColor("cBid(1)"), Colors::Black);
  EXPECT_EQ(Right("cBid(2)"), "9");
  EXPECT_EQ(RightColor("cBid(2)"), Fuchsia);
  EXPECT_EQ(Right("aPt(0)"), "[140]");  // 0 + 40 + 100 for the Nil

  Bids({"4", "4", "2", "2"}, {0, 0, 0, 0});
  EXPECT_EQ(RightColor("cBid(2)"), Colors::Black);
  Bids({"5", "4", "3", "2"}, {0, 0, 0, 0});
  EXPECT_EQ(RightColor("cBid(2)"), DarkRed);
}

TEST_F(CounterWindowTest, OvertricksBagsAndTheProjection) {
  Bids({"2", "3", "2", "4"}, {120, 8, 85, 3});
  EXPECT_EQ(Right("cPts0(0)"), "120");
  EXPECT_EQ(Right("cBag0(0)"), "(8)");
  Tricks({3, 1, 2, 0});  // 5 of 4: the bid is made with one over
  EXPECT_EQ(Right("cBag(0)"), " + 1 = 9");
  Tricks({4, 1, 2, 0});
  EXPECT_EQ(Right("cBag(0)"), " + 2 = 10");
  EXPECT_EQ(Right("cPts(0)"), "62");  // 120 + 40 + 2 - 100
  EXPECT_TRUE(app().windows.counterRight.form->control("cBag(0)")->visible());
  // The opponents (7 bid, 1 trick) are still open: their points stay the score before the hand.
  EXPECT_EQ(Right("cBag(1)"), "");
  EXPECT_EQ(Right("cPts(1)"), "85");

  // A lower reading leaves every count as it is.
  Tricks({3, 0, 2, 0});
  EXPECT_EQ(Right("cTrk(0)"), "6");
  EXPECT_EQ(Right("cTrk(1)"), "1");
  EXPECT_EQ(Right("cTrk(2)"), "7");
  EXPECT_EQ(Right("cBag(0)"), " + 2 = 10");
}

TEST_F(CounterWindowTest, SetAtOnceAndJustMaking) {
  Bids({"3", "4", "2", "4"}, {50, 1, 60, 2});
  Tricks({0, 5, 0, 4});  // 9 to the opponents: a bid of 5 cannot be made any more
  EXPECT_EQ(Right("cBag(0)"), "   Set");
  EXPECT_EQ(RightColor("cBag(0)"), Fuchsia);
  EXPECT_EQ(Right("cPts(0)"), "0");  // 50 - 50
  EXPECT_EQ(Right("cBag(1)"), " + 1 = 3");
  Tricks({2, 5, 2, 4});
  EXPECT_EQ(Right("cBag(0)"), "   Set");  // 4 of 5 after all 13 tricks
  Bids({"3", "4", "2", "4"}, {50, 1, 60, 2});
  Tricks({3, 4, 2, 4});
  EXPECT_EQ(Right("cBag(0)"), "Just Making");
  EXPECT_EQ(RightColor("cBag(0)"), Colors::Blue);
  EXPECT_EQ(Right("cPts(0)"), "100");
}

// A Nil lost early while the partnership's bid is still open counts once, however many
// tricks follow before the bid is decided.
TEST_F(CounterWindowTest, ALostNilCountsOnce) {
  Bids({"N", "4", "5", "3"}, {100, 0, 100, 0});
  EXPECT_EQ(Right("aPt(0)"), "[250]");
  Tricks({1, 0, 0, 0});
  EXPECT_EQ(Right("cBag(0)"), "Nil Set");
  EXPECT_EQ(Right("aPt(0)"), "[50]");
  EXPECT_EQ(Right("cPts(0)"), "0");  // the Nil's 100 lost; the bid of 5 still open
  Tricks({1, 1, 1, 0});
  Tricks({1, 2, 2, 0});
  Tricks({1, 2, 3, 1});
  EXPECT_EQ(Right("cPts(0)"), "0");
  Tricks({1, 3, 4, 1});  // 5 of 5
  EXPECT_EQ(Right("cPts(0)"), "50");  // 100 + 50 - 100
  EXPECT_EQ(Right("cBag(0)"), "Nil Set");
}

TEST_F(CounterWindowTest, NilMadeAtTheEndAndTheFloor) {
  Bids({"D", "4", "6", "3"}, {-150, 0, 100, 0});
  Tricks({0, 3, 6, 3});
  EXPECT_EQ(Right("cPts(0)"), "-90");  // -150 + 60, the Double Nil not made yet
  Tricks({0, 4, 6, 3});
  EXPECT_EQ(Right("cBag(0)"), "D Making");
  EXPECT_EQ(Right("cPts(0)"), "110");
  Bids({"4", "4", "D", "5"}, {-150, 0, 100, 0});
  Tricks({0, 0, 1, 0});
  EXPECT_EQ(Right("cBag(0)"), "DNil Set");
  EXPECT_EQ(Right("cPts(0)"), "-200");  // -350 shown at the floor
  EXPECT_EQ(RightColor("cPts(0)"), Colors::Blue);
}

TEST_F(CounterWindowTest, HiddenAndEmptyAtTheNextDeal) {
  Bids({"4", "3", "2", "2"}, {0, 0, 0, 0});
  Tricks({1, 1, 1, 1});
  HideCounter(app());
  EXPECT_EQ(app().windows.counter, CounterSide::None);
  EXPECT_FALSE(app().windows.counterRight.form->visible());
  EXPECT_EQ(Right("cTrk(0)"), "");
  Bids({"4", "3", "2", "2"}, {0, 0, 0, 0});
  Tricks({0, 1, 0, 0});
  EXPECT_EQ(Right("cTrk(0)"), "0");
}

}  // namespace
}  // namespace scorlet::companion

namespace scorlet::companion {
namespace {

// The score window: the names from the left-hand opponent round to the user, and the rows of
// the game's score table copied under them, the lowest rows with digits last.
TEST(ScoreWindowTest, NamesAndTheGamesRowsOnlyOnClick) {
  VirtualDesktopConfig config;
  config.screen = {1000, 740};
  Harness h("ScoreWindow", config);
  h.WriteIni("PasteScoreTable=(20,30)\r\n");
  ASSERT_TRUE(h.Start());
  h.GoOnline();
  App& app = h.app();
  // A game score window: white, with a black block standing for a row of digits in each column
  // near the bottom, and nothing below it.
  const WindowHandle score = h.desktop.createWindow({"Score", {600, 300, 820, 420}});
  Image& surface = h.desktop.surface(score);
  for (int y = 0; y < surface.height; ++y)
    for (int x = 0; x < surface.width; ++x) surface.set(x, y, Colors::White);
  for (int y = 60; y < 70; ++y)
    for (int x : {20, 21, 22, 130, 131}) surface.set(x, y, Colors::Black);
  app.game.GameWindowHandle[KindScore] = score;

  Show_Score(app, {"Mezzanine", "Lho", "Partner", "Rho"}, 2);
  const HelperWindow& w = app.windows.score;
  ASSERT_TRUE(w.loaded());
  EXPECT_TRUE(w.form->visible());
  EXPECT_EQ(w.form->bounds().left, 20);
  EXPECT_EQ(h.program->caption("frmScore", "MyName(0)"), "Lho");
  EXPECT_EQ(h.program->caption("frmScore", "MyName(1)"), "Partner");
  EXPECT_EQ(h.program->caption("frmScore", "MyName(3)").substr(0, 3), "Mez");
  // Long names are cut to the label's width.
  const auto* me = w.form->control("MyName(3)");
  EXPECT_LE(w.form->canvas().textWidth(me->caption(), me->font()), 65);

  auto* pic = dynamic_cast<PictureBox*>(w.form->control("pic"));
  ASSERT_NE(pic, nullptr);
  const Image copy = pic->canvas().readImage({0, 0, pic->canvas().size().width,
                                             pic->canvas().size().height});
  // The ink of both columns lands in the picture: first column from x 5, second from x 130.
  int inkFirst = 0;
  int inkSecond = 0;
  for (int y = 0; y < copy.height; ++y)
    for (int x = 0; x < copy.width; ++x)
      if (copy.at(x, y) == Colors::Black) (x < 130 ? inkFirst : inkSecond) += 1;
  EXPECT_EQ(inkFirst, 30);
  EXPECT_EQ(inkSecond, 20);

  // A click on the picture swaps the main window and the game's table on top.
  const bool before = app.frmZ.form->topmost();
  ASSERT_TRUE(pic->onClick);
  pic->onClick();
  EXPECT_NE(app.frmZ.form->topmost(), before);
  pic->onClick();
  EXPECT_EQ(app.frmZ.form->topmost(), before);
}

}  // namespace
}  // namespace scorlet::companion

namespace scorlet::companion {
namespace {

// The score window over the table's own score window: nothing copied while the game's table
// holds only its header (no deal of the game scored yet), the rows once there are some, however
// many rows the last reading had seen.
TEST(ScoreWindowTest, HeaderOnlyTableCopiesNothingRowsAreCopied) {
  VirtualDesktopConfig config;
  config.screen = {1000, 740};
  Harness h("ScoreWindowRows", config);
  h.WriteIni("PasteScoreTable=(20,30)\r\n");
  ASSERT_TRUE(h.Start());
  h.GoOnline();
  App& app = h.app();
  const WindowHandle score = h.desktop.createWindow({"Score", {600, 300, 820, 460}});
  app.game.GameWindowHandle[KindScore] = score;
  auto paint = [&](std::vector<table::ScoreLine> rows) {
    table::ScoreScene scene;
    scene.sideNames = {"North/South", "East/West"};
    scene.rows = std::move(rows);
    Image& surface = h.desktop.surface(score);
    scene.fixedHeight = surface.height;
    const Image image = table::RenderScore(scene);
    for (int y = 0; y < surface.height; ++y)
      for (int x = 0; x < surface.width; ++x)
        surface.set(x, y, x < image.width && y < image.height ? image.at(x, y) : Colors::White);
  };
  auto inkInPicture = [&] {
    auto* pic = dynamic_cast<PictureBox*>(app.windows.score.form->control("pic"));
    const Image copy = pic->canvas().readImage({0, 0, pic->canvas().size().width,
                                               pic->canvas().size().height});
    int ink = 0;
    for (int y = 0; y < copy.height; ++y)
      for (int x = 0; x < copy.width; ++x) ink += copy.at(x, y) == Colors::Black ? 1 : 0;
    return ink;
  };

  paint({});
  Show_Score(app, {"Lho", "Pard", "Rho", "Me"}, 3);  // rows of the game before
  EXPECT_EQ(inkInPicture(), 0);
  // The names keep off the window's edge.
  EXPECT_GE(app.windows.score.form->control("MyName(0)")->bounds().left, 3);

  paint({{120, 8, 85, 3}, {62, 0, 131, 4}});
  Show_Score(app, {"Lho", "Pard", "Rho", "Me"}, 0);  // no score read yet this session
  EXPECT_GT(inkInPicture(), 40);
}

}  // namespace
}  // namespace scorlet::companion
