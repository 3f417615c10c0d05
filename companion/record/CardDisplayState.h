// What the card displays keep for the run: the strip pictures composed at start-up, the live
// deal's play, shown cards and remaining cards, and the seat overlays painted on the table.
#pragma once

#include <array>

#include "companion/record/CardDisplays.h"
#include "platform/Forms.h"

namespace scorlet::companion {

// Per seat (display position) the place the overlay is painted at and the rectangles last
// painted there, in the table window's whole-window coordinates; an empty rectangle when
// nothing was painted.
struct SeatOverlayAnchor {
  std::array<Point, 4> at{};
  std::array<Rect, 4> bidPainted{};
  std::array<Rect, 4> trickPainted{};
};

// The big digits of the seat overlays: cells of width W and height H, numbered by their left
// edge; row 3 holds the bid glyphs, row 4 the trick digits.
struct OverlayStrip {
  Image picture;
  int W = 11;
  int H = 21;
  bool ready() const { return picture.width > 0; }
};

struct CardDisplayState {
  // --- for the run ---
  Form* frmP = nullptr;  // the never-shown strip window
  CardFacePicture face;
  CardStrip strip;
  OverlayStrip overlay;

  // --- the live deal ---
  LivePlay live;
  int tricksNotSeen = 0;  // tricks of the deal whose cards the trick step could not read
  ShownTable shown{};
  std::array<bool, 4> exhausted{};
  RemainingCards remaining;
  int firstBidder = -1;  // display position; -1 unknown

  // --- the table window ---
  SeatOverlayAnchor overlays;
};

}  // namespace scorlet::companion
