// Each seat's bid and trick count painted in big digits beside the seat on the table window,
// and the painted areas given back to the table when the overlay goes.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "companion/recognition/Picture.h"
#include "platform/Types.h"

namespace scorlet::companion {

struct App;

// One block copy from the overlay strip: `source` lands with its corner at `at`.
struct OverlayBlock {
  Point at;
  Rect source;
  friend bool operator==(const OverlayBlock&, const OverlayBlock&) = default;
};
// What one bid or trick count paints: the copies and the rectangle they cover (empty when
// nothing is painted).
struct OverlayPaint {
  std::vector<OverlayBlock> blocks;
  Rect painted;
};

// A bid at (x, y) from strip row 3 (cells W wide, H high), bracketed for the first bidder.
OverlayPaint ComposeBid(const std::string& bid, int x, int y, bool firstBidder, int W, int H);
// A trick count at (x, y) from strip row 4; 0 paints nothing.
OverlayPaint ComposeTricks(int count, int x, int y, int W, int H);

// The first bidder of the deal worked out from which display positions have bids; -1 unknown.
// With seat 0's bid and none at seat 3 the bidding began at seat 0.
int FirstBidderFromBids(const std::array<std::string, 4>& bids);

// Where each display position's bid and trick count go, from the table box.
struct OverlayPlaces {
  std::array<Point, 4> bid{};
  std::array<Point, 4> trick{};
};
OverlayPlaces OverlayPlacesOf(const recognition::TableBox& box);

// Paint one seat's bid / trick count onto the table window (whole-window coordinates) and keep
// the rectangle painted; 0 when something was painted, 1 when nothing was.
int BitBltBid(App& app, WindowHandle target, Point position, int y, bool isFirstBidder, int seat);
int BitBltTrk(App& app, WindowHandle target, Point position, int y, int seat);

// Paints every seat's bid and trick count (with BoldBidTrick on and a player name known).
void DrawSeatOverlays(App& app);
// Gives the painted areas back to the table (it repaints them) and forgets them.
void RestoreSeatOverlays(App& app);

}  // namespace scorlet::companion
