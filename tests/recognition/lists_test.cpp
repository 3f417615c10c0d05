#include <gtest/gtest.h>

#include "companion/recognition/ButtonLabels.h"
#include "companion/recognition/PlayerList.h"
#include "companion/recognition/TableReaders.h"
#include "gamedata/WindowTitles.h"
#include "tests/recognition/Drawing.h"

namespace scorlet::recognition {
namespace {

using testing::DrawText;

TEST(ButtonLabels, ScanFindsLabelsInTheStripOnly) {
  const GlyphTables glyphs = BuildGlyphTables();
  TableCapture picture = MakeTableCapture(615, 560, testing::Felt);
  const int trickEnd = DrawText(picture, 20, 100, "LastTrick") - 1;
  DrawText(picture, 20, 130, "LastHand");
  DrawText(picture, 20, 160, "Score");
  DrawText(picture, 300, 200, "Suicide");  // right of the strip: not a button of it
  EXPECT_TRUE(ButtonLineHasInk(picture, 100));
  EXPECT_FALSE(ButtonLineHasInk(picture, 200));
  EXPECT_EQ(FindButtonLabel(picture, glyphs, 100, "Trick"), trickEnd);
  const ButtonScan scan = ScanButtonLabels(picture, glyphs, LangEnglish, 65, 560);
  EXPECT_EQ(scan.found, 3);
  EXPECT_EQ(scan.buttons[ButtonLastTrick], (Point{trickEnd, 100}));
  EXPECT_EQ(scan.buttons[ButtonScore].y, 160);
  EXPECT_EQ(scan.buttons[ButtonSuicide], (Point{}));
  EXPECT_EQ(ButtonClickPoint(scan.buttons[ButtonLastTrick]), (Point{trickEnd - 10, 104}));
}

TEST(PlayerList, PlainAndHighlightedLinesAndTheNameSearch) {
  const GlyphTables glyphs = BuildGlyphTables();
  TableCapture picture = testing::TableWithFrame();
  const TableBox box = FindTableBox(picture, LangEnglish);
  DrawText(picture, 420, 460, "alice");
  DrawText(picture, 470, 460, "1523");
  testing::FillRect(picture, 405, 478, 615, 493, 0);  // the highlighted line's band
  DrawText(picture, 420, 480, "bobby", PureWhite);
  DrawText(picture, 470, 480, "prov", PureWhite);
  const std::vector<std::string> lines =
      MakePlayerList(picture, box, 0, Rect{0, 0, 615, 560}, glyphs);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "alice,1523"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "bobby,prov"), lines.end());

  const NameFound found = SearchNameInTable(lines, {"<bob>", "xy", "{bobby}", "alice(2)"});
  EXPECT_EQ(found.line, "bobby,prov");
  EXPECT_EQ(found.index, 3);
  EXPECT_EQ(SearchNameInTable({}, {"alice"}).index, 0);

  EXPECT_EQ(RatingOfLine("alice,1523,USA"), "1523");
  RatingDisplay shown = ShowMyRating(RatingOfLine(found.line), false);
  EXPECT_EQ(shown.text, "prov");
  EXPECT_EQ(shown.value, -1);
  shown = ShowMyRating("1523", false);
  EXPECT_EQ(shown.value, 1523);
  EXPECT_TRUE(shown.bold);
  EXPECT_FALSE(ShowMyRating("987", false).bold);
  EXPECT_EQ(ShowMyRating("prov", true).text, "仮レ");
}

}  // namespace
}  // namespace scorlet::recognition
