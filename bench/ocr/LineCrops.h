// Text lines cut out of windows that the substitute table draws, for reading them with the
// companion's glyph reader and with a general OCR engine side by side. Each crop carries the
// text the table drew in it; the two readers are judged by the same rule (SameReading).
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "companion/recognition/GlyphReader.h"
#include "platform/Types.h"

namespace scorlet::ocr {

enum class Field { BidLine, TrickLine, PlayerLine, LastHandCard, ScoreRow };
inline constexpr int FieldCount = 5;
std::string_view FieldName(Field field);

// One text line as a window shows it, with a margin of the window's own background.
struct LineCrop {
  Field field = Field::BidLine;
  int language = 1;
  Image image;        // the crop, 24-bit colour as drawn
  Point text;         // the top-left corner of the text's glyph cells inside the crop
  std::string truth;  // what the table drew there
};

// Rows and columns of the window kept around a line's glyph cells.
inline constexpr int CropMarginX = 4;
inline constexpr int CropMarginY = 2;

// How many windows of each kind are drawn; every language row that the game font can draw is
// used in turn. The defaults give some four thousand crops.
struct CropCounts {
  int tables = 175;     // 4 bid lines, 4 trick lines, 4 list lines (8 after a game) each
  int lastHands = 20;   // 52 cards each
  int scores = 40;      // 6 to 18 rows each
};
std::vector<LineCrop> MakeLineCrops(const CropCounts& counts, std::uint32_t seed);

// The language rows the game font can draw (the Japanese row is written in characters the font
// has no glyphs for).
inline constexpr std::array<int, 7> DrawnLanguages{1, 3, 5, 6, 7, 8, 9};

// The part of `image` inside `area` widened by the margins, cut at the image's edges; `text`
// becomes the corner of `area` inside the crop.
Image Crop(const Image& image, const Rect& area, int marginX, int marginY, Point& text);

// The text in the form both readers are judged by: blanks do not count (an OCR engine puts a
// blank where the glyph reader sees a field gap or none at all), the glyph reader's field
// separator in list lines neither; score rows are compared number by number.
std::string Canonical(Field field, std::string_view text);
bool SameReading(Field field, std::string_view read, std::string_view truth);

// The characters an OCR engine is allowed for a field on a language row's table: what the field
// can hold there (the language's keyword and bid letters, the site's name alphabet, the card
// letters of the row, digits and signs), never the texts of the crops themselves.
std::string OcrWhitelist(Field field, int language);

// The companion's readers on a crop, each field read the way the companion reads it: the bid and
// trick lines by their keyword, a list line in both polarities, a card as a glyph run, a score
// row as its four runs. The glyph tables of each language are prepared once, as the companion
// prepares them once per table.
class GlyphLineReader {
 public:
  GlyphLineReader();
  std::string Read(const LineCrop& crop);

 private:
  const recognition::GlyphTables& TablesFor(int language);
  const recognition::GlyphTables& LastHandTablesFor(int language);
  recognition::GlyphTables m_base;
  std::map<int, recognition::GlyphTables> m_tables;
  std::map<int, recognition::GlyphTables> m_lastHand;
};

// A crop made ready for an OCR engine: 8-bit grey with dark text on a light ground (light ink on
// a dark ground, a highlighted list line, is inverted), optionally binarised half-way between
// the ink's grey and the ground's, enlarged `scale` times (repeating pixels, or smoothly), with
// `border` light pixels all round.
struct OcrInput {
  int scale = 3;
  int border = 10;
  bool binarise = true;
  bool smooth = false;
};
struct GreyImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // row-major, top row first
  std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};
GreyImage PrepareForOcr(const Image& image, const OcrInput& how);

}  // namespace scorlet::ocr
