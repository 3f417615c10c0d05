// The card-face font of the card displays: 21 small colour glyphs ("2" to "A", the four suit
// marks, the two pairs of lead-mark brackets) and the palette their rows index. The displays
// draw it once into their off-screen strip and compose every card cell from it.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace scorlet {

inline constexpr int CardFaceGlyphCount = 21;  // CardSymbols positions 2 to 22
inline constexpr int CardFaceMaxRows = 10;
inline constexpr int CardFacePaletteSize = 61;
inline constexpr int CardFacePaper = 1;  // palette index that is never drawn

// Colour numbers with red in the low byte.
extern const std::array<std::uint32_t, CardFacePaletteSize> CardFacePalette;
// Glyph g (0..20) is the symbol at CardSymbols position g + 2. Each row is a text of items
// separated by blanks: a palette index (one pixel) or index "*" count (that many pixels).
extern const std::array<std::array<std::string_view, CardFaceMaxRows>, CardFaceGlyphCount>
    CardFaceGlyphRows;

// One glyph row as palette indices, left first; an item that does not read as a number
// counts as paper, a count is kept within the row limit.
std::vector<int> ParseCardFaceRow(std::string_view row);

}  // namespace scorlet
