#include <gtest/gtest.h>

#include "companion/recognition/GlyphReader.h"
#include "gamedata/Glyphs.h"
#include "gamedata/WindowTitles.h"
#include "tests/recognition/Drawing.h"

namespace scorlet::recognition {
namespace {

using testing::DrawGlyphs;
using testing::DrawText;

class Glyphs : public ::testing::Test {
 protected:
  GlyphTables tables = BuildGlyphTables();
  TableCapture picture = MakeTableCapture(300, 40, testing::Felt);

  ColumnCodes Line(int y = 10) { return ComputeTableColumnCodes(picture, y, 0, 299); }
  std::string Keyword(std::string_view keyword) {
    return ReadKeywordValue(tables, Line(), keyword).text();
  }
};

TEST_F(Glyphs, RepeatedPatternsAreDroppedFromTheFont) {
  EXPECT_EQ(tables.fontLast, 145 + DoubleByteGlyphCount);  // one repeated pattern of the built-in font
  EXPECT_EQ(DedupeGlyphDefinitions({"x 001", "y 001", "", "z 002"}).size(), 1u);
}

TEST_F(Glyphs, AccentedGlyphsFollowTheLanguage) {
  DrawGlyphs(picture, 10, 10, {"&atilde;"});
  int pos = 1 + 10;
  EXPECT_EQ(MatchGlyph(tables, Line(), pos), "?");  // English: plain letters only
  PrepareGlyphIndex(tables, LangGerman);
  pos = 11;
  EXPECT_EQ(MatchGlyph(tables, Line(), pos), "a");
}

TEST_F(Glyphs, ColumnCodesOverTheGivenColumnsOnly) {
  DrawText(picture, 5, 10, "ab");
  DrawText(picture, 250, 10, "c");
  ColumnCodes left = ComputeTableColumnCodes(picture, 10, 0, 200);
  int pos = left.posOf(5);
  EXPECT_EQ(ReadGlyphRun(tables, left, pos), "ab");
  ColumnCodes right = ComputeTableColumnCodes(picture, 10, 240, 299);
  EXPECT_EQ(right.origin, 240);
  pos = 1;
  EXPECT_EQ(ReadGlyphRun(tables, right, pos), "c");
  // Out of the picture: no ink, no read beyond the buffer.
  EXPECT_FALSE(ComputeTableColumnCodes(picture, 35, -50, 400).hasInk());
  // The one-row shortcut gives the same codes as a full computation.
  ColumnCodes above = ComputeTableColumnCodes(picture, 9, 0, 299);
  EXPECT_EQ(ComputeTableColumnCodes(picture, 10, 0, 299, &above).codes, Line().codes);
}

TEST_F(Glyphs, PanelSeparatorsEndARun) {
  PanelCapture panel;
  static_cast<Picture&>(panel) = MakeTableCapture(100, 20, PureWhite);
  panel.addressing = Addressing::Panel;
  DrawText(panel, 2, 2, "ab");
  testing::FillRect(panel, 15, 0, 16, 20, Rgb555(20, 20, 20));  // one grey column
  DrawText(panel, 17, 2, "12");
  ColumnCodes codes = ComputeColumnCodes(panel, 2, 2, 1, 99);
  int pos = 1;
  EXPECT_EQ(ReadGlyphRun(tables, codes, pos), "ab");
  EXPECT_EQ(ReadGlyphRun(tables, codes, pos), "12");
}

TEST_F(Glyphs, UnknownPatternReadsAsQuestionMarkAndReadingGoesOn) {
  DrawText(picture, 5, 10, "a");
  testing::FillRect(picture, 12, 10, 14, 22, 0);  // a solid block no glyph has
  DrawText(picture, 16, 10, "b");
  int pos = 1;
  EXPECT_EQ(ReadGlyphRun(tables, Line(), pos), "a?b");
}

TEST_F(Glyphs, BidValues) {
  std::vector<std::pair<int, std::string>> values{{LangItalian, "Z"}, {LangItalian, "Q"}};
  for (const char* value : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "N", "D"})
    values.emplace_back(LangEnglish, value);
  for (const auto& [language, value] : values) {
    picture = MakeTableCapture(300, 40, testing::Felt);
    PrepareGlyphIndex(tables, language);
    const std::string label(BidLabels[language]);
    DrawText(picture, 20, 10, label + value);
    EXPECT_EQ(Keyword(label), label + value);
  }
  // "1" at the end of the line, and a digit too far after the "1" to belong to it.
  picture = MakeTableCapture(300, 40, testing::Felt);
  DrawText(picture, 270, 10, "Bid:1");  // its last column is the line's last but eight
  EXPECT_EQ(Keyword("Bid:"), "Bid:1");
  picture = MakeTableCapture(300, 40, testing::Felt);
  DrawText(picture, DrawText(picture, 20, 10, "Bid:1") + 12, 10, "0");
  EXPECT_EQ(Keyword("Bid:"), "Bid:1");
  // An unreadable second digit leaves the value unread, never "1".
  picture = MakeTableCapture(300, 40, testing::Felt);
  const int after = DrawText(picture, 20, 10, "Bid:1");
  testing::FillRect(picture, after + 1, 10, after + 3, 22, 0);
  EXPECT_EQ(Keyword("Bid:"), "Bid:");
}

TEST_F(Glyphs, KeywordStartIsWhereTheMatchingKeywordBegins) {
  DrawText(picture, 10, 10, "Bi");
  DrawText(picture, 40, 10, "BBid:4");
  const KeywordValue found = ReadKeywordValue(tables, Line(), "Bid:");
  ASSERT_TRUE(found.found);
  EXPECT_EQ(found.value, "4");
  EXPECT_EQ(found.startX, 40 + 7);  // the second "B" (6 columns and a blank after the first)
}

TEST_F(Glyphs, KeywordAloneHasNoValue) {
  DrawText(picture, 20, 10, "Bid:");
  const KeywordValue alone = ReadKeywordValue(tables, Line(), "Bid:");
  EXPECT_TRUE(alone.found);
  EXPECT_EQ(alone.value, "");
}

// The double-byte glyphs: read only on the Japanese site, there each one as itself (no Latin
// glyph shadows one that begins with the same columns), and the Japanese labels, values and
// prompt fragments are found with them.
TEST_F(Glyphs, DoubleByteGlyphsReadOnlyInJapanese) {
  for (std::string_view definition : DoubleByteGlyphDefinitions) {
    const std::string name = ParseGlyphDefinition(definition).name;
    picture = MakeTableCapture(300, 40, testing::Felt);
    DrawText(picture, 10, 10, name + "1");
    PrepareGlyphIndex(tables, LangEnglish);
    int pos = 11;
    EXPECT_EQ(MatchGlyph(tables, Line(), pos), "?") << name;
    PrepareGlyphIndex(tables, LangJapanese);
    pos = 11;
    EXPECT_EQ(ReadGlyphRun(tables, Line(), pos), name + "1") << name;
  }
  for (const std::string value : {"4", "N", "12"}) {
    picture = MakeTableCapture(300, 40, testing::Felt);
    DrawText(picture, 20, 10, std::string(BidLabels[LangJapanese]) + value);
    EXPECT_EQ(Keyword(BidLabels[LangJapanese]), std::string(BidLabels[LangJapanese]) + value);
    picture = MakeTableCapture(300, 40, testing::Felt);
    DrawText(picture, 20, 10, std::string(TricksLabels[LangJapanese]) + value);
    EXPECT_EQ(Keyword(TricksLabels[LangJapanese]), std::string(TricksLabels[LangJapanese]) + value);
  }
  picture = MakeTableCapture(300, 40, testing::Felt);
  DrawText(picture, 20, 10, TablePromptTexts[LangJapanese].waitingForOpponent);
  EXPECT_TRUE(LineContainsWord(tables, Line(), StatusFragments[LangJapanese][2]));
  // Another language's keyword candidates hold no double-byte glyph.
  PrepareGlyphIndex(tables, LangGerman);
  for (int e : tables.candidates[0]) EXPECT_EQ(tables.entries[e].savedDoubleByte, 0) << e;
}

TEST_F(Glyphs, FindWordReturnsTheColumnAfterIt) {
  const int after = DrawText(picture, 30, 10, "LastTrick");
  EXPECT_EQ(FindWord(tables, Line(), 0, "Trick"), after - 1);
  EXPECT_EQ(FindWord(tables, Line(), 0, "Hand"), 0);
  EXPECT_EQ(FindWord(tables, Line(), after, "Trick"), 0);
  EXPECT_TRUE(LineContainsWord(tables, Line(), "ast"));
}

}  // namespace
}  // namespace scorlet::recognition
