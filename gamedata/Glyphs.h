// The game's bitmap fonts as data: the text glyphs (names, "Bid:" and "Tricks:" lines, last
// hand, score, ratings) and the corner symbols of played cards. The companion reads the game's
// windows with these definitions and the substitute table draws its texts from the same ones,
// so a change to a glyph is seen by both.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scorlet {

inline constexpr int TextGlyphCount = 146;
inline constexpr int RegularGlyphCount = 102;  // definitions 1..102; the rest is the bold set
inline constexpr int GlyphHeight = 12;         // rows of a text column
inline constexpr int CardGlyphFirst = 2;       // "2", the first rank in CardSymbols
inline constexpr int CardGlyphLast = 18;       // "S", the last suit
inline constexpr int CardGlyphRows = 9;

// Definition n (1..146) is TextGlyphDefinitions[n - 1].
extern const std::array<std::string_view, TextGlyphCount> TextGlyphDefinitions;
// Glyphs named by a double-byte character: the Japanese site's labels, button captions, prompts
// and the player names of the substitute table's Japanese row. Readers enable them only when the
// game language is Japanese; they follow the bold set, so the numbers above stay as they are.
inline constexpr int DoubleByteGlyphCount = 48;
extern const std::array<std::string_view, DoubleByteGlyphCount> DoubleByteGlyphDefinitions;
// Indexed by the symbol's position in CardSymbols; entries 0 and 1 are empty.
extern const std::array<std::string_view, CardGlyphLast + 1> CardGlyphDefinitions;

struct GlyphDefinition {
  std::string name;                    // as written: "a", "..", "&atilde;"
  std::string hex;                     // everything after the first blank or comma
  std::vector<std::uint16_t> columns;  // one 12-bit code per column, left first
};

// Splits "name hex" at the first blank or comma; every three hex digits make one column.
GlyphDefinition ParseGlyphDefinition(std::string_view definition);
// The bytes of a card-glyph definition (blank-separated hex; a doubled blank counts as one).
std::vector<std::uint8_t> ParseCardGlyph(std::string_view definition);
// The text a glyph stands for: an entity name "&atilde;" reads as its second character "a".
std::string_view GlyphText(std::string_view name);

}  // namespace scorlet
