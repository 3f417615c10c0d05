// Cards as the game draws them: a white face with a rank character and a suit sign in
// the top-left corner, red for hearts and diamonds, black for clubs and spades.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "common/Notation.h"
#include "platform/Types.h"
#include "tableclient/render/Layout.h"
#include "tableclient/render/TextFace.h"

namespace scorlet::table {

// The colours a card is drawn in.
struct CardPalette {
  Color face = Colors::White;
  Color edge = Colors::Black;
  Color black = Colors::Black;  // clubs and spades
  Color red = Rgb(255, 0, 0);   // hearts and diamonds
  Color back = Rgb(0, 0, 160);
  Color backEdge = Colors::White;
};
// Cards on the table window: no pure white or pure black, which are the table's reading colours.
inline constexpr CardPalette TableCards{TableCardFace, TableCardInk, TableCardInk, Rgb(200, 0, 0),
                                        Rgb(0, 0, 160), TableCardFace};

Color CardInk(int suit, const CardPalette& palette = {});
// A 7 x 7 suit sign with its top-left corner at (x, y).
void DrawSuitSign(Image& image, int x, int y, int suit, const CardPalette& palette = {});
// A face-up card of CardSize with its top-left corner at (x, y).
void DrawCard(Image& image, int x, int y, CardCode card, const TextFace& face,
              const CardPalette& palette = {});
void DrawCardBack(Image& image, int x, int y, const CardPalette& palette = {});

// Cards of the last-trick window, drawn to be read by their corners: a white face inside a black
// one-pixel edge, and the corner symbols of the card glyphs turned back into ink, red for hearts
// and diamonds, black for clubs and spades.
enum class CardLie { Upright, Across };
// The 22 eight-pixel codes of a card's corner: the suit glyph's nine rows, the nine of the rank's
// lower part, then four blank ones. Nothing for a code that is no card.
std::optional<std::array<std::uint8_t, 22>> CornerInk(CardCode card);
// An upright card's corner window (8 wide, 22 high) has its top-left corner at `corner`, its codes
// rows from the bottom up; a card lying across has a window 8 high whose codes are columns from
// the left, starting `startOffset` columns into it.
void DrawCornerCard(Image& image, const Rect& rect, CardCode card, CardLie lie, Point corner,
                    int startOffset = 0);

}  // namespace scorlet::table
