// Text reading by glyph templates: every pixel column of a 12-row text line becomes a 12-bit code
// (bit 11 the top row), and runs of codes are matched against the game font's glyphs, stored in
// the same code. The tables are built once from the font definitions; the per-language part
// (accented and double-byte glyphs, keyword candidates) is prepared whenever a table is found.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "companion/recognition/Picture.h"

namespace scorlet::recognition {

inline constexpr uint16_t SeparatorCode = 16384;  // blank column on the grey field background
inline constexpr int GlyphCodeCount = 16385;      // first-column codes 0..16384
inline constexpr int MaxGlyphCandidates = 20;     // tried per masked match

struct GlyphEntry {
  std::string name;               // the text the glyph reads as ("a" for "&atilde;")
  std::vector<uint16_t> columns;  // all column codes, left first (columns[0] as defined)
  uint16_t first = 0;             // first-column code in use; 0 = disabled
  uint16_t savedDoubleByte = 0;   // first column of a glyph named by a double-byte character
  uint16_t savedEntity = 0;       // first column of a glyph defined by an entity name
  int next = 0;                   // next entry with the same first column; 0 = end
  int width() const { return static_cast<int>(columns.size()); }
};

enum class CandidateClass { Keyword = 0, Value = 1 };

struct GlyphTables {
  std::vector<GlyphEntry> entries{GlyphEntry{}};  // entry 0 unused; entries from 1
  int fontFirst = 1;
  int fontLast = 0;
  int regularCount = 0;  // last entry of the regular set
  std::vector<int> head = std::vector<int>(GlyphCodeCount, 0);
  std::array<std::vector<int>, 2> candidates;  // by CandidateClass
  std::array<uint16_t, 3> mask{4094, 4094, 4088};
  std::array<uint16_t, 3> maskInverse{1, 1, 7};
  int fontVariant = 1;
  bool maskedReading = true;
  int gameLanguage = 1;
  // [symbol 2..18][row 0..9]: row 0 the number of bytes parsed, rows 1..9 the bytes.
  std::array<std::array<uint16_t, 10>, 19> cardGlyphs{};
};

// The definitions whose hex part is new, in order, up to the first empty one.
std::vector<std::string_view> DedupeGlyphDefinitions(const std::vector<std::string_view>& list);
// One entry per definition (entity names read as their second character).
std::vector<GlyphEntry> ParseGlyphDefinitions(const std::vector<std::string_view>& definitions);
// The built-in font as font 1, with "(" and ")" disabled, the card glyphs parsed and the index
// prepared for English.
GlyphTables BuildGlyphTables();
// Enables the glyphs of the language, rebuilds the index and chains, the masks and candidates.
void PrepareGlyphIndex(GlyphTables& tables, int gameLanguage);

// The codes of one text line over columns fromX..toX: codes[0] the OR of all codes, codes[i] the
// column fromX + i - 1, and a final SeparatorCode end mark.
struct ColumnCodes {
  int origin = 0;  // x of codes[1]
  int top = 0;     // the line's top row
  std::vector<uint16_t> codes{0, SeparatorCode};
  int end() const { return static_cast<int>(codes.size()) - 1; }  // index of the end mark
  int xOf(int pos) const { return origin + pos - 1; }
  int posOf(int x) const { return x - origin + 1; }
  bool hasInk() const { return (codes[0] & 0x3FFF) != 0; }
};

// Panel lines: ink is blue below 15; with greyFrom > 0 a blank column whose rows greyFrom..10 are
// all grey becomes a separator.
ColumnCodes ComputeColumnCodes(const Picture& picture, int top, int greyFrom, int fromX, int toX);
// Table-window lines: ink is pure black. When `previous` is the line one row higher over the same
// columns, each code is derived from it by one shift.
ColumnCodes ComputeTableColumnCodes(const Picture& picture, int top, int fromX, int toX,
                                    const ColumnCodes* previous = nullptr);

// Exact match of the glyph starting at pos; on success pos moves past it, otherwise "?" and pos
// moves to the next blank or separator.
std::string MatchGlyph(const GlyphTables& tables, const ColumnCodes& codes, int& pos);
// Masked match against the candidates of a class (the font variant's mask drops bottom rows).
std::string MatchGlyphMasked(const GlyphTables& tables, const ColumnCodes& codes, int& pos,
                             CandidateClass cls);
// Glyphs from pos up to the next separator, without blanks.
std::string ReadGlyphRun(const GlyphTables& tables, const ColumnCodes& codes, int& pos);

struct KeywordValue {
  bool found = false;
  std::string keyword;
  int startX = 0;     // column of the glyph that began the keyword
  std::string value;  // what followed the keyword ("" when nothing could be read)
  std::string text() const { return found ? keyword + value : std::string{}; }
};
// Finds the keyword in the line and reads the value after it: a digit, two digits 10..13, or
// one capital letter.
KeywordValue ReadKeywordValue(const GlyphTables& tables, const ColumnCodes& codes,
                              std::string_view keyword);
// The column after the word when the line spells it from `fromX` on, else 0.
int FindWord(const GlyphTables& tables, const ColumnCodes& codes, int fromX, std::string_view word);
bool LineContainsWord(const GlyphTables& tables, const ColumnCodes& codes, std::string_view word);

}  // namespace scorlet::recognition
