// Cards as the game draws them: a white face with a rank character and a suit sign in
// the top-left corner, red for hearts and diamonds, black for clubs and spades.
#pragma once

#include "common/Notation.h"
#include "platform/Types.h"
#include "tableclient/render/TextFace.h"

namespace scorlet::table {

Color CardInk(int suit);
// A 7 x 7 suit sign with its top-left corner at (x, y).
void DrawSuitSign(Image& image, int x, int y, int suit);
// A face-up card of CardSize with its top-left corner at (x, y).
void DrawCard(Image& image, int x, int y, CardCode card, const TextFace& face);
void DrawCardBack(Image& image, int x, int y);

}  // namespace scorlet::table
