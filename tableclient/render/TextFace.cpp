#include "tableclient/render/TextFace.h"

#include <array>
#include <cctype>

#include "common/TextUtil.h"
#include "tableclient/render/Paint.h"

namespace scorlet::table {

namespace {

struct BlockGlyph {
  char ch;
  const char* rows;  // 5 rows of 3 cells, '#' is ink
};

// clang-format off
constexpr std::array<BlockGlyph, 58> BlockGlyphs{{
    {'0', "###"  "# #"  "# #"  "# #"  "###"}, {'1', " # "  "## "  " # "  " # "  "###"},
    {'2', "###"  "  #"  "###"  "#  "  "###"}, {'3', "###"  "  #"  " ##"  "  #"  "###"},
    {'4', "# #"  "# #"  "###"  "  #"  "  #"}, {'5', "###"  "#  "  "###"  "  #"  "###"},
    {'6', "###"  "#  "  "###"  "# #"  "###"}, {'7', "###"  "  #"  " # "  " # "  " # "},
    {'8', "###"  "# #"  "###"  "# #"  "###"}, {'9', "###"  "# #"  "###"  "  #"  "###"},
    {'A', " # "  "# #"  "###"  "# #"  "# #"}, {'B', "## "  "# #"  "## "  "# #"  "## "},
    {'C', " ##"  "#  "  "#  "  "#  "  " ##"}, {'D', "## "  "# #"  "# #"  "# #"  "## "},
    {'E', "###"  "#  "  "## "  "#  "  "###"}, {'F', "###"  "#  "  "## "  "#  "  "#  "},
    {'G', " ##"  "#  "  "# #"  "# #"  " ##"}, {'H', "# #"  "# #"  "###"  "# #"  "# #"},
    {'I', "###"  " # "  " # "  " # "  "###"}, {'J', "  #"  "  #"  "  #"  "# #"  " # "},
    {'K', "# #"  "# #"  "## "  "# #"  "# #"}, {'L', "#  "  "#  "  "#  "  "#  "  "###"},
    {'M', "# #"  "###"  "###"  "# #"  "# #"}, {'N', "## "  "# #"  "# #"  "# #"  "# #"},
    {'O', " # "  "# #"  "# #"  "# #"  " # "}, {'P', "## "  "# #"  "## "  "#  "  "#  "},
    {'Q', " # "  "# #"  "# #"  "###"  " ##"}, {'R', "## "  "# #"  "## "  "# #"  "# #"},
    {'S', " ##"  "#  "  " # "  "  #"  "## "}, {'T', "###"  " # "  " # "  " # "  " # "},
    {'U', "# #"  "# #"  "# #"  "# #"  "###"}, {'V', "# #"  "# #"  "# #"  "# #"  " # "},
    {'W', "# #"  "# #"  "###"  "###"  "# #"}, {'X', "# #"  "# #"  " # "  "# #"  "# #"},
    {'Y', "# #"  "# #"  " # "  " # "  " # "}, {'Z', "###"  "  #"  " # "  "#  "  "###"},
    {':', "   "  " # "  "   "  " # "  "   "}, {'!', " # "  " # "  " # "  "   "  " # "},
    {'-', "   "  "   "  "###"  "   "  "   "}, {'[', "## "  "#  "  "#  "  "#  "  "## "},
    {']', " ##"  "  #"  "  #"  "  #"  " ##"}, {'(', " # "  "#  "  "#  "  "#  "  " # "},
    {')', " # "  "  #"  "  #"  "  #"  " # "}, {'?', "###"  "  #"  " ##"  "   "  " # "},
    {'.', "   "  "   "  "   "  "   "  " # "}, {',', "   "  "   "  "   "  " # "  "#  "},
    {'/', "  #"  "  #"  " # "  "#  "  "#  "}, {'\'', " # " " # "  "   "  "   "  "   "},
    {'+', "   "  " # "  "###"  " # "  "   "}, {'%', "# #"  "  #"  " # "  "#  "  "# #"},
    {'#', "# #"  "###"  "# #"  "###"  "# #"}, {'&', " # "  "# #"  " # "  "# #"  " ##"},
    {'*', "# #"  " # "  "# #"  "   "  "   "}, {'=', "   "  "###"  "   "  "###"  "   "},
    {'<', "  #"  " # "  "#  "  " # "  "  #"}, {'>', "#  "  " # "  "  #"  " # "  "#  "},
    {'_', "   "  "   "  "   "  "   "  "###"}, {'"', "# #"  "# #"  "   "  "   "  "   "},
}};
// clang-format on

constexpr const char* OpenBox = "###" "# #" "# #" "# #" "###";
constexpr int Scale = 2;
constexpr int Advance = 4 * Scale;  // three cells and one blank column
constexpr int SpaceAdvance = 3 * Scale;

const char* RowsOf(char32_t ch) {
  if (ch >= 0x80) return OpenBox;
  char upper = static_cast<char>(std::toupper(static_cast<int>(ch)));
  for (const BlockGlyph& glyph : BlockGlyphs)
    if (glyph.ch == upper) return glyph.rows;
  return OpenBox;
}

int AdvanceOf(char32_t ch) { return ch == U' ' ? SpaceAdvance : Advance; }

void DrawGlyph(Image& image, int x, int y, const char* rows, Color color) {
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < 3; ++c)
      if (rows[r * 3 + c] == '#')
        FillRect(image, {x + c * Scale, y + r * Scale, x + (c + 1) * Scale, y + (r + 1) * Scale}, color);
}

}  // namespace

int PlaceholderFace::Draw(Image& image, int x, int y, std::string_view text, Color color) const {
  int pen = x;
  for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length) {
    const char32_t ch = DecodeUtf8(text, pos, length);
    if (ch != U' ') DrawGlyph(image, pen, y, RowsOf(ch), color);
    pen += AdvanceOf(ch);
  }
  return pen - x;
}

int PlaceholderFace::Width(std::string_view text) const {
  int width = 0;
  for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length)
    width += AdvanceOf(DecodeUtf8(text, pos, length));
  return width;
}

const TextFace& DefaultFace() {
  static const PlaceholderFace face;
  return face;
}

}  // namespace scorlet::table
