// What the renderer puts where the companion looks, and the table's titles.
#include <gtest/gtest.h>

#include "platform/Types.h"
#include "tableclient/render/Layout.h"
#include "tableclient/render/SubViews.h"
#include "tableclient/render/TableView.h"
#include "tableclient/window/Languages.h"

namespace scorlet::table {
namespace {

bool HasInk(const Image& image, const Rect& area, Color ink) {
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x)
      if (image.contains(x, y) && image.at(x, y) == ink) return true;
  return false;
}

TEST(TableViewTest, TableBoxFrameReadsAs5120AndTurnStripFollowsTheBottom) {
  TableScene scene;
  scene.userTurn = true;
  TableLayout layout = TableLayout::ForClient({600, 700});
  Image image = RenderTable(scene, layout);
  const Rect& box = layout.tableBox;
  EXPECT_EQ(box.width(), 235);
  EXPECT_EQ(box.height(), 149);
  EXPECT_EQ(To555(image.at(box.left, box.top)), 5120);
  EXPECT_EQ(To555(image.at(box.right - 1, box.bottom - 1)), 5120);
  EXPECT_EQ(image.at(300, 700 - 12), Colors::Black);  // the user's turn
  scene.userTurn = false;
  EXPECT_NE(RenderTable(scene, layout).at(300, 700 - 12), Colors::Black);
}

TEST(TableViewTest, BidLinesButtonsAndPanelAreDrawnOnlyWhenDue) {
  TableScene scene;
  scene.seats[2].bid = "4";
  TableLayout layout;
  Image quiet = RenderTable(scene, layout);
  EXPECT_TRUE(HasInk(quiet, layout.tableBox, Colors::Black));       // the bid and trick lines
  EXPECT_TRUE(HasInk(quiet, layout.buttons[0], Colors::Black));     // "Last Trick"
  EXPECT_FALSE(HasInk(quiet, layout.buttons[4], Colors::Black));    // not a suicide table
  EXPECT_FALSE(HasInk(quiet, layout.BidButton(3), Colors::Black));  // no bid panel
  scene.bidPanel = true;
  scene.suicideTable = true;
  Image bidding = RenderTable(scene, layout);
  EXPECT_TRUE(HasInk(bidding, layout.BidButton(3), Colors::Black));
  EXPECT_TRUE(HasInk(bidding, layout.buttons[4], Colors::Black));
  EXPECT_FALSE(HasInk(bidding, layout.BidButton(BidButtonCount - 1), Colors::Black));  // no blind bid
  EXPECT_FALSE(HasInk(bidding, layout.prompt, Colors::White));
  scene.prompt = TablePrompt::WaitingForOpponent;
  EXPECT_TRUE(HasInk(RenderTable(scene, layout), layout.prompt, Colors::White));
}

TEST(TableViewTest, BidButtonsDoNotOverlapAndStayInsideTheClient) {
  TableLayout layout;
  for (int a = 0; a < BidButtonCount; ++a) {
    Rect r = layout.BidButton(a);
    EXPECT_LE(r.right, layout.client.width);
    for (int b = a + 1; b < BidButtonCount; ++b) {
      Rect s = layout.BidButton(b);
      bool apart = r.right <= s.left || s.right <= r.left || r.bottom <= s.top || s.bottom <= r.top;
      EXPECT_TRUE(apart) << a << " " << b;
    }
  }
  EXPECT_LE(layout.HandCard(12).right, layout.client.width);
}

TEST(SubViewTest, ScoreNumbersAreRightAlignedInFixedColumnsAndTheWindowGrows) {
  ScoreScene scene;
  scene.rows = {{71, 1, 41, 1}, {161, 1, -19, 1}};
  Image image = RenderScore(scene);
  for (int c = 0; c < 4; ++c) {
    ColumnRange range = ScoreColumnRange(c);
    EXPECT_TRUE(HasInk(image, {range.right - 6, 20, range.right, 20 + ScoreRowHeight}, Colors::Black)) << c;
    if (c > 0) {
      EXPECT_GT(range.left, ScoreColumnRange(c - 1).right);
    }
  }
  scene.rows.resize(30);
  EXPECT_GT(RenderScore(scene).height, image.height);
}

TEST(LanguageTest, TitlesOfTheTableAndItsWindows) {
  EXPECT_EQ(TableTitle(1, "1234", "abc"), "Game: Spades - Table: 1234 - Host: abc");
  EXPECT_EQ(TableTitle(3, "7", "x"), "Spiel: Spades - Table: 7 - Host: x");
  EXPECT_EQ(TableTitle(4, "7", "x"), "Game: Spades - Table: 7 - Host: x");  // no row: English
  EXPECT_EQ(SubWindowTitle(1, LastTrickKind), "Last Trick");
  EXPECT_EQ(SubWindowTitle(1, LastHandKind), "Last Hand");
  EXPECT_EQ(SubWindowTitle(1, ScoreKind), "Spades Score");
  EXPECT_EQ(SubWindowTitle(6, ScoreKind), "Puntuacion de Picas");
  EXPECT_EQ(SubWindowTitle(6, ScoreKind, "Puntuacion de picas"), "Puntuacion de picas");
  EXPECT_EQ(SubWindowTitle(1, 0), "");
  // Every button caption holds the fragment the companion's button scan looks for.
  EXPECT_NE(WordsOf(1).buttons[2].find("core"), std::string::npos);
  EXPECT_NE(WordsOf(1).buttons[3].find("ssing"), std::string::npos);
  EXPECT_NE(WordsOf(8).buttons[2].find("untuaci"), std::string::npos);
}

}  // namespace
}  // namespace scorlet::table
