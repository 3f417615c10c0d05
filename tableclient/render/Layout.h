// Where things lie on the table window. Every position is in whole-window coordinates (frame
// included, origin at the window's top-left corner), because that is how the table window is
// read: the table box is searched for at fixed whole-window rows and columns, the button labels
// in the window's left 200 columns, the turn band a fixed number of rows above the window's bottom
// edge. The client area starts at `clientOrigin`; the drawing and the click handling convert.
//
// What the reading leaves free (where the box stands inside the region searched, where each line
// lies inside its quadrant, the window's size, where the list stands) is drawn from a seed, so
// tests can exercise many tables; seed 0 is one fixed default.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "platform/Types.h"

namespace scorlet::table {

inline constexpr Size TableBoxSize{235, 149};
// The table box's frame: 5120 when read back as a 5-5-5 pixel, this many pixels wide.
inline constexpr Color TableBoxFrame = Rgb(40, 0, 0);
inline constexpr int TableBoxFrameWidth = 5;
inline constexpr Color FeltColour = Rgb(0, 96, 48);
inline constexpr Color StripColour = Rgb(200, 200, 200);
inline constexpr Color ButtonFace = Rgb(212, 208, 200);
// Cards on the table window are never pure white or pure black: those two are kept for the
// texts, the box and the bid control, which the companion finds by them.
inline constexpr Color TableCardFace = Rgb(240, 240, 232);
inline constexpr Color TableCardInk = Rgb(24, 24, 24);
inline constexpr Size CardSize{36, 50};
inline constexpr int HandCardStep = 12;  // cards of the hand overlap, corners showing
// The bid panel's buttons: 0 Nil, 1..13, then the choice offered while the user's cards are
// hidden: 14 Double Nil, 15 Show.
inline constexpr int BidButtonCount = 16;
inline constexpr int BidButtonNil = 0;
inline constexpr int BidButtonDoubleNil = 14;
inline constexpr int BidButtonShow = 15;
// The region the companion scans for the bid panel, from the window's top-left corner: the
// captions start right of its first columns and their lines begin above its last rows.
inline constexpr Rect BidPanelScan{100, 200, 300, 550};
inline constexpr int BidPanelScanSkip = 8;        // columns left of the first caption read
inline constexpr int BidPanelScanBottomRows = 30; // rows at the bottom where no line begins

// The region the companion searches for the box frame's bottom-left corner, rows from the bottom.
inline constexpr int FrameSearchTop = 200;
inline constexpr int FrameSearchBottom = 490;
inline constexpr int FrameSearchLeft = 200;
inline constexpr int FrameSearchRight = 340;
// The left strip whose labels the button scan reads, and the first row it reads.
inline constexpr int LeftStripWidth = 200;
inline constexpr int LabelScanTop = 65;
// The turn strip the companion tests: columns 107..127, and the rows 37 to 30 above the window's
// bottom edge. On the user's turn the band is black from one of the lower seven of those rows
// down, never in the first; where it starts, how deep it is and how far it reaches either side
// of the columns tested are the layout's (the default band is 34 rows above the bottom edge,
// 7 rows deep, columns 100..133).
inline constexpr int TurnStripLeft = 107;
inline constexpr int TurnStripRight = 128;  // exclusive
inline constexpr int TurnStripTopFromBottom = 37;
inline constexpr int TurnStripRows = 8;
inline constexpr int ListLinePitch = 16;  // the default; a layout may space its list lines wider

// Quadrants of the table box (split at its centre): each holds one seat's bid line and another
// seat's trick line.
enum Quadrant { LowerRight = 0, LowerLeft = 1, UpperLeft = 2, UpperRight = 3 };
// The quadrant holding a display position's bid line (its own number) and its trick line.
constexpr int BidQuadrant(int position) { return position & 3; }
constexpr int TrickQuadrant(int position) { return (position + 1) & 3; }

struct TableLayout {
  Size window{640, 720};
  Point clientOrigin{4, 23};  // the client area's top-left corner inside the window
  Size client{632, 693};
  std::uint32_t seed = 0;

  Rect leftStrip;
  // Top-left corner of each caption's text: last trick, last hand, score, then the two
  // table-option labels; and the rectangles that take the clicks of the first three.
  std::array<Point, 5> labelAt{};
  std::array<Rect, 5> buttons{};
  Rect tableBox;
  Rect boxFrame;
  // Per quadrant: the top rows of its bid line and its trick line, and where each line stands
  // across the quadrant's free width (0 = at its left, 1000 = at its right).
  std::array<int, 4> bidLineTop{};
  std::array<int, 4> trickLineTop{};
  std::array<int, 4> bidLineSlack{};
  std::array<int, 4> trickLineSlack{};
  int promptTop = 0;
  Rect okButton;
  Rect trickArea;
  Rect hand;
  // The number buttons: the first's top-left corner, the step across and down.
  Point bidNumbers{};
  int bidStep = 18;
  int bidRowStep = 20;
  Point bidChoice{};  // the Double Nil / Show row: the first button's top-left corner
  Rect bidControl;  // the white control below the box
  Rect playerList;  // the list lines stand from its left column and top row
  int ratingGap = 10;  // blank columns between a name and its rating
  int listPitch = ListLinePitch;  // rows from one list line's top to the next
  // The highlight band behind a list line reaches this many rows above its text and below it.
  int bandAbove = 2;
  int bandBelow = 2;
  Rect turnBand;
  // Blank columns between a line's keyword and its value ("Bid:" and "4"): a blank's width by
  // default.
  int valueGap = 3;
  // Where the waiting prompt stands across the box (0 = at its left, 1000 = at its right,
  // 500 centred).
  int promptSlack = 500;
  // Colours the reading does not rely on: the felt, the left strip, the inside of the box, the
  // button faces.
  Color felt = FeltColour;
  Color strip = StripColour;
  Color boxInside = Colors::White;
  Color buttonFace = ButtonFace;

  // The layout of a window of that size whose client area starts at `clientOrigin` and is
  // `client` large.
  static TableLayout Make(Size window, Point clientOrigin, Size client, std::uint32_t seed = 0);
  // A layout for a window with the virtual desktop's captioned frame.
  static TableLayout ForWindow(Size window, std::uint32_t seed = 0);
  // The window size a seed asks for: 600 to 900 wide (640 x 720 for seed 0).
  static Size WindowSizeFor(std::uint32_t seed);

  int centreX() const { return (tableBox.left + tableBox.right) / 2; }
  int centreY() const { return (tableBox.top + tableBox.bottom) / 2; }
  Rect QuadrantRect(int quadrant) const;
  // Button k (0..BidButtonCount-1) of the bid panel: 0 Nil, 1..13, 14 Double Nil, 15 Show.
  Rect BidButton(int k) const;
  // Where the user's card `index` (0 = lowest) lies.
  Rect HandCard(int index) const;
  // Where the card of a display position lies in the trick area.
  Rect TrickCard(int position) const;
  // The click target of window kind 1..3 (last trick, last hand, score).
  Rect ButtonRect(int kind) const;

  Point ToClient(Point window) const { return {window.x - clientOrigin.x, window.y - clientOrigin.y}; }
  Point ToWindow(Point client) const { return {client.x + clientOrigin.x, client.y + clientOrigin.y}; }
  Rect ToClient(const Rect& r) const {
    return {r.left - clientOrigin.x, r.top - clientOrigin.y, r.right - clientOrigin.x,
            r.bottom - clientOrigin.y};
  }
};

// Player names of 4 to 16 characters of the font's letters, digits and "_", drawn from a seed.
std::array<std::string, 4> SeededPlayerNames(std::uint32_t seed);

}  // namespace scorlet::table
