// The line crops of the OCR comparison: cut from windows the substitute table draws, each with
// the text drawn in it. A crop that cuts off a glyph or a truth that differs from what was drawn
// shows as a line the companion's glyph reader does not read back.
#include <gtest/gtest.h>

#include <set>

#include "bench/ocr/LineCrops.h"

namespace scorlet::ocr {
namespace {

TEST(OcrCrops, EveryFieldAndLanguageIsCutAndReadsBackWithTheGlyphReader) {
  const std::vector<LineCrop> crops = MakeLineCrops({28, 7, 3}, 5);
  GlyphLineReader reader;
  std::set<std::pair<Field, int>> seen;
  std::set<std::string> bids;
  int misread = 0;
  for (const LineCrop& crop : crops) {
    seen.insert({crop.field, crop.language});
    if (crop.field == Field::BidLine) bids.insert(crop.truth);
    ASSERT_GT(crop.image.width, 0);
    const std::string read = reader.Read(crop);
    EXPECT_TRUE(SameReading(crop.field, read, crop.truth))
        << FieldName(crop.field) << ", language " << crop.language << ": drew \"" << crop.truth
        << "\", read \"" << read << "\"";
    if (!SameReading(crop.field, read, crop.truth) && ++misread >= 5) break;
    // The engine is allowed every character the field can hold on the language's table.
    const std::string allowed = OcrWhitelist(crop.field, crop.language);
    for (const char c : Canonical(crop.field, crop.truth))
      EXPECT_NE(allowed.find(c), std::string::npos)
          << "'" << c << "' of \"" << crop.truth << "\" missing from the " << FieldName(crop.field)
          << " whitelist of language " << crop.language;
  }
  for (const Field field : {Field::BidLine, Field::TrickLine, Field::PlayerLine, Field::LastHandCard})
    for (const int language : DrawnLanguages)
      EXPECT_TRUE(seen.count({field, language})) << FieldName(field) << ", language " << language;
  EXPECT_TRUE(seen.count({Field::ScoreRow, 1}));
  // Nil and Double Nil in the English and the Italian letters.
  for (const char* bid : {"Bid:N", "Bid:D", "Dichiara:Z", "Dichiara:Q"}) EXPECT_TRUE(bids.count(bid)) << bid;
}

TEST(OcrCrops, CropKeepsItsMarginInsideThePictureAndFindsTheText) {
  Image image(40, 30, Colors::White);
  image.set(2, 1, Colors::Black);
  Point text;
  const Image inside = Crop(image, {10, 10, 20, 22}, 4, 2, text);
  EXPECT_EQ(inside.width, 18);
  EXPECT_EQ(inside.height, 16);
  EXPECT_EQ(text, (Point{4, 2}));
  // At the picture's corner the margin is what there is.
  const Image corner = Crop(image, {1, 0, 8, 12}, 4, 2, text);
  EXPECT_EQ(corner.width, 12);
  EXPECT_EQ(corner.height, 14);
  EXPECT_EQ(text, (Point{1, 0}));
  EXPECT_EQ(corner.at(2, 1), Colors::Black);
}

TEST(OcrCrops, ReadingsAreJudgedWithoutBlanksButScoreRowsNumberByNumber) {
  EXPECT_TRUE(SameReading(Field::BidLine, "Bid: 13\n", "Bid:13"));
  EXPECT_FALSE(SameReading(Field::BidLine, "Bid:1", "Bid:13"));
  EXPECT_TRUE(SameReading(Field::PlayerLine, "alice_7,1523", "alice_7 1523"));
  EXPECT_TRUE(SameReading(Field::PlayerLine, "alice_7  1523\n", "alice_7 1523"));
  EXPECT_FALSE(SameReading(Field::PlayerLine, "alice_7 1528", "alice_7 1523"));
  EXPECT_TRUE(SameReading(Field::LastHandCard, "[10S]\n", "[10S]"));
  EXPECT_TRUE(SameReading(Field::ScoreRow, " -252   9 535 6\n", "-252 9 535 6"));
  // Two numbers run together are no reading of the row.
  EXPECT_FALSE(SameReading(Field::ScoreRow, "-2529 535 6", "-252 9 535 6"));
  EXPECT_FALSE(SameReading(Field::ScoreRow, "-252 9 535", "-252 9 535 6"));
}

TEST(OcrCrops, EnginesInputIsDarkInkOnLightGround) {
  // A highlighted list line: light text on a black band over a dark felt row.
  const Color felt = Rgb(0, 96, 48);
  Image band(6, 4, Colors::Black);
  for (int x = 0; x < 6; ++x) band.set(x, 0, felt);
  band.set(2, 2, Colors::White);
  const GreyImage light = PrepareForOcr(band, {2, 3, true, false});
  EXPECT_EQ(light.width, 6 * 2 + 6);
  EXPECT_EQ(light.height, 4 * 2 + 6);
  EXPECT_EQ(light.at(0, 0), 255);                   // border
  EXPECT_EQ(light.at(3 + 2 * 2, 3 + 2 * 2), 0);     // the text pixel, repeated
  EXPECT_EQ(light.at(3 + 2 * 2 + 1, 3 + 2 * 2 + 1), 0);
  EXPECT_EQ(light.at(3 + 0, 3 + 2 * 2), 255);       // the band
  EXPECT_EQ(light.at(3 + 0, 3 + 0), 255);           // the felt row

  // Black text on the felt: the felt is the ground, not the ink.
  Image line(6, 4, felt);
  line.set(3, 1, Colors::Black);
  const GreyImage dark = PrepareForOcr(line, {1, 0, true, false});
  EXPECT_EQ(dark.at(3, 1), 0);
  EXPECT_EQ(dark.at(0, 0), 255);
  // Unbinarised, the greys stay as they are; smooth enlargement shades the text's edge.
  EXPECT_EQ(PrepareForOcr(line, {1, 0, false, false}).at(0, 0), 61);
  const GreyImage smooth = PrepareForOcr(line, {4, 0, true, true});
  EXPECT_LT(smooth.at(3 * 4 + 1, 1 * 4 + 1), 128);
  EXPECT_GT(smooth.at(3 * 4 - 1, 1 * 4 + 1), 0);
  EXPECT_LT(smooth.at(3 * 4 - 1, 1 * 4 + 1), 255);
}

}  // namespace
}  // namespace scorlet::ocr
