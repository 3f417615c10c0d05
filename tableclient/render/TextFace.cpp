#include "tableclient/render/TextFace.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "common/TextUtil.h"
#include "gamedata/Glyphs.h"
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

// The character a glyph name stands for: the name itself when it is one character, the accented
// letter for an entity name; 0 for names that are no single character ("..").
char32_t CharacterOfName(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, char32_t>, 6> Entities{{
      {"&atilde;", U'\u00E3'}, {"&aacute;", U'\u00E1'}, {"&ccedil;", U'\u00E7'},
      {"&egrave;", U'\u00E8'}, {"&eacute;", U'\u00E9'}, {"&oacute;", U'\u00F3'},
  }};
  for (const auto& [entity, ch] : Entities)
    if (name == entity) return ch;
  std::size_t length = 0;
  const char32_t ch = name.empty() ? 0 : DecodeUtf8(name, 0, length);
  return length == name.size() ? ch : 0;
}

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

GlyphFace::GlyphFace(Set set) {
  const int first = set == Set::Regular ? 0 : RegularGlyphCount;
  const int last = set == Set::Regular ? RegularGlyphCount : TextGlyphCount;
  for (int n = first; n < last; ++n) {
    GlyphDefinition definition = ParseGlyphDefinition(TextGlyphDefinitions[static_cast<std::size_t>(n)]);
    const char32_t ch = CharacterOfName(definition.name);
    if (ch == 0 || ch == U' ' || definition.columns.empty() || Find(ch)) continue;
    Add(ch, std::move(definition.columns));
  }
  // The double-byte glyphs are drawn in the regular weight only.
  if (set != Set::Regular) return;
  for (std::string_view text : DoubleByteGlyphDefinitions) {
    GlyphDefinition definition = ParseGlyphDefinition(text);
    const char32_t ch = CharacterOfName(definition.name);
    if (ch == 0 || definition.columns.empty() || Find(ch)) continue;
    Add(ch, std::move(definition.columns));
  }
}

void GlyphFace::Add(char32_t ch, std::vector<std::uint16_t> columns) {
  Glyph glyph{ch, std::move(columns)};
  auto at = std::lower_bound(m_glyphs.begin(), m_glyphs.end(), ch,
                             [](const Glyph& g, char32_t c) { return g.ch < c; });
  m_glyphs.insert(at, std::move(glyph));
}

const GlyphFace::Glyph* GlyphFace::Find(char32_t ch) const {
  auto at = std::lower_bound(m_glyphs.begin(), m_glyphs.end(), ch,
                             [](const Glyph& g, char32_t c) { return g.ch < c; });
  return at != m_glyphs.end() && at->ch == ch ? &*at : nullptr;
}

bool GlyphFace::BeginsGlyph(std::uint16_t column, std::uint16_t mask) const {
  return std::any_of(m_glyphs.begin(), m_glyphs.end(), [&](const Glyph& g) {
    return (g.columns.front() & mask) == (column & mask);
  });
}

int GlyphFace::Advance(char32_t ch) const {
  if (ch == U' ') return BlankColumns;
  const Glyph* glyph = Find(ch);
  return glyph ? static_cast<int>(glyph->columns.size()) + GlyphGap : MissingColumns;
}

int GlyphFace::Draw(Image& image, int x, int y, std::string_view text, Color color) const {
  int pen = x;
  for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length) {
    const char32_t ch = DecodeUtf8(text, pos, length);
    if (length == 0) break;
    if (const Glyph* glyph = ch == U' ' ? nullptr : Find(ch)) {
      for (std::size_t c = 0; c < glyph->columns.size(); ++c)
        for (int r = 0; r < GlyphRows; ++r)
          if (glyph->columns[c] & (1u << (GlyphRows - 1 - r)))
            PutPixel(image, pen + static_cast<int>(c), y + r, color);
    }
    pen += Advance(ch);
  }
  return pen - x;
}

int GlyphFace::Width(std::string_view text) const {
  int width = 0;
  for (std::size_t pos = 0, length = 0; pos < text.size(); pos += length) {
    const char32_t ch = DecodeUtf8(text, pos, length);
    if (length == 0) break;
    width += Advance(ch);
  }
  return width;
}

const TextFace& GameFace() {
  static const GlyphFace face(GlyphFace::Set::Regular);
  return face;
}

const TextFace& GameBoldFace() {
  static const GlyphFace face(GlyphFace::Set::Bold);
  return face;
}

bool BeginsGameGlyph(std::uint16_t column, std::uint16_t mask) {
  return static_cast<const GlyphFace&>(GameFace()).BeginsGlyph(column, mask) ||
         static_cast<const GlyphFace&>(GameBoldFace()).BeginsGlyph(column, mask);
}

const TextFace& DefaultFace() {
  static const PlaceholderFace face;
  return face;
}

}  // namespace scorlet::table
