// Where things lie on the table window's client area. Positions hang off the top-left
// corner, except the turn strip, which keeps to the bottom edge whatever the window's
// height. The click handling uses the same rectangles as the drawing.
#pragma once

#include <array>

#include "platform/Types.h"

namespace scorlet::table {

inline constexpr Size TableBoxSize{235, 149};
// The table box's frame: 5120 when read back as a 5-5-5 pixel.
inline constexpr Color TableBoxFrame = Rgb(40, 0, 0);
inline constexpr Color FeltColour = Rgb(0, 96, 48);
inline constexpr Color StripColour = Rgb(200, 200, 200);
inline constexpr Color ButtonFace = Rgb(212, 208, 200);
inline constexpr Size CardSize{36, 50};
inline constexpr int HandCardStep = 28;  // cards of the hand overlap, corners showing
inline constexpr int BidButtonCount = 15;  // Nil, 1..13, Double Nil

struct TableLayout {
  Size client{600, 660};
  Rect leftStrip{0, 0, 200, 660};
  // Last Trick, Last Hand, Score, then the two table-option labels.
  std::array<Rect, 5> buttons{{{10, 70, 130, 92}, {10, 98, 130, 120}, {10, 126, 130, 148},
                               {10, 164, 190, 178}, {10, 182, 190, 196}}};
  Rect playerList{10, 220, 195, 330};
  Rect tableBox{250, 40, 250 + TableBoxSize.width, 40 + TableBoxSize.height};
  Rect trickArea{250, 200, 485, 390};
  Rect prompt{210, 400, 590, 420};
  Rect okButton{380, 430, 440, 452};
  Rect bidPanel{206, 430, 596, 480};
  Rect hand{210, 500, 590, 560};
  Rect turnStrip{200, 642, 600, 652};

  // The layout for another client size: the turn strip follows the bottom edge.
  static TableLayout ForClient(Size client);
  // Button k (0..BidButtonCount-1) of the bid panel: 0 Nil, 1..13, 14 Double Nil.
  Rect BidButton(int k) const;
  // Where the user's card `index` (0 = lowest) lies.
  Rect HandCard(int index) const;
  // Where the card of a display position lies in the trick area.
  Rect TrickCard(int position) const;
};

}  // namespace scorlet::table
