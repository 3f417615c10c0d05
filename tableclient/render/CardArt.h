// Cards as the game draws them: a white face with a rank character and a suit sign in
// the top-left corner, red for hearts and diamonds, black for clubs and spades.
#pragma once

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

}  // namespace scorlet::table
