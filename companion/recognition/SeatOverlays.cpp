#include "companion/recognition/SeatOverlays.h"

#include <algorithm>
#include <cmath>

#include "companion/main/App.h"
#include "companion/recognition/TableReading.h"

namespace scorlet::companion {

namespace {

constexpr int BidRow = 3;
constexpr int TrickRow = 4;
constexpr int Offset = 24;

// Adds a copy of `width` pixels from strip x `sourceX` at the pen and moves the pen on.
void Put(OverlayPaint& paint, int& pen, int y, int sourceX, int sourceY, int width, int height) {
  paint.blocks.push_back({{pen, y}, Rect{sourceX, sourceY, sourceX + width, sourceY + height}});
  pen += width;
}

// The deal's bids: those kept for the record through the play, else those on show.
const std::array<std::string, 4>& BidsOf(const App& app) {
  const auto& kept = app.reading.SeatBids;
  const bool any = std::any_of(kept.begin(), kept.end(), [](const std::string& b) { return !b.empty(); });
  return any ? kept : app.deal.bids;
}

bool AnyName(const std::array<std::string, 4>& names) {
  return std::any_of(names.begin(), names.end(), [](const std::string& n) { return !n.empty(); });
}

// A player's name is known from the names shown, the player list or the last hand read.
bool NameKnown(const App& app) {
  return AnyName(app.deal.names) || !app.reading.PlayerList.empty() ||
         AnyName(app.record.CaptureRecord.PlayerNames);
}

int DigitOf(char c) { return c >= '0' && c <= '9' ? c - '0' : -1; }

Image Cut(const Image& strip, const Rect& source) {
  Image out(source.width(), source.height(), Colors::White);
  for (int y = 0; y < out.height; ++y)
    for (int x = 0; x < out.width; ++x)
      if (strip.contains(source.left + x, source.top + y))
        out.set(x, y, strip.at(source.left + x, source.top + y));
  return out;
}

int Paint(App& app, WindowHandle target, const OverlayPaint& paint, Rect& kept) {
  const OverlayStrip& strip = app.record.cards.overlay;
  kept = paint.painted;
  if (paint.blocks.empty() || !strip.ready()) {
    kept = Rect{};
    return 1;
  }
  for (const OverlayBlock& b : paint.blocks)
    app.desktop.paintPixels(target, false, b.at, Cut(strip.picture, b.source));
  return 0;
}

}  // namespace

OverlayPaint ComposeBid(const std::string& bid, int x, int y, bool firstBidder, int W, int H) {
  OverlayPaint paint;
  const int sy = BidRow * H;
  const int h = H - 4;
  const int bracket = static_cast<int>(std::lround(0.6 * W));
  int pen = x;
  int left = x;
  const auto number = [&]() -> int {
    if (bid.size() == 1 && DigitOf(bid[0]) >= 1) return DigitOf(bid[0]);
    if (bid.size() == 2 && bid[0] == '1' && DigitOf(bid[1]) >= 0 && DigitOf(bid[1]) <= 3)
      return 10 + DigitOf(bid[1]);
    return 0;
  }();
  const bool nil = bid == "N";
  const bool doubleNil = bid == "D" || bid == "DP";
  if (number == 0 && !nil && !doubleNil) return paint;
  if (firstBidder) {
    int at = x - W * 3 / 2;
    left = at;
    Put(paint, at, y, W * 25 / 2, sy, bracket, h);
  }
  if (number >= 10) {
    Put(paint, pen, y, W, sy, W, h);
    pen -= 2;
    Put(paint, pen, y, (number % 10) * W, sy, W, h);
  } else if (number >= 1) {
    Put(paint, pen, y, number * W, sy, W, h);
  } else if (nil) {
    Put(paint, pen, y, 11 * W, sy, W, h);
    pen += 4;
  } else {
    Put(paint, pen, y, 10 * W, sy, 2 * W, h);
    pen += 4;
  }
  if (firstBidder) Put(paint, pen, y, W * 27 / 2, sy, bracket, h);
  paint.painted = Rect{left, y, pen, y + h};
  return paint;
}

OverlayPaint ComposeTricks(int count, int x, int y, int W, int H) {
  OverlayPaint paint;
  const int sy = TrickRow * H + 1;
  if (count <= 0 || count > 13) return paint;
  int pen = x;
  if (count >= 10) {
    Put(paint, pen, y, W, sy, W, H);
    pen -= 2;
  }
  Put(paint, pen, y, (count % 10) * W, sy, W, H);
  paint.painted = Rect{x, y, pen, y + H};
  return paint;
}

int FirstBidderFromBids(const std::array<std::string, 4>& bids) {
  if (!bids[0].empty()) {
    if (bids[3].empty()) return 0;
    int first = -1;
    for (int s = 3; s >= 1 && !bids[static_cast<std::size_t>(s)].empty(); --s) first = s;
    return !bids[1].empty() && !bids[2].empty() ? -1 : first;
  }
  for (int s = 1; s <= 3; ++s)
    if (!bids[static_cast<std::size_t>(s)].empty()) return s;
  return -1;
}

OverlayPlaces OverlayPlacesOf(const recognition::TableBox& box) {
  const int xA = box.right - 10;
  const int xB = xA + 26;
  const int xC = box.left - 40;
  const int xD = box.right + 30;
  const int yS = box.bottom + 100 - Offset + 10;
  const int yN = box.top - 20 - Offset + 10;
  const int yEW = box.centreY - 45 - Offset;
  OverlayPlaces p;
  p.trick = {{{xB, yS}, {xC + 20, yEW}, {xB, yN}, {xD + 20, yEW}}};
  p.bid = {{{xA, yS}, {xC, yEW}, {xA, yN}, {xD, yEW}}};
  return p;
}

int BitBltBid(App& app, WindowHandle target, Point position, int y, bool isFirstBidder, int seat) {
  const OverlayStrip& strip = app.record.cards.overlay;
  const auto s = static_cast<std::size_t>(seat & 3);
  return Paint(app, target,
               ComposeBid(BidsOf(app)[s], position.x, y, isFirstBidder, strip.W, strip.H),
               app.record.cards.overlays.bidPainted[s]);
}

int BitBltTrk(App& app, WindowHandle target, Point position, int y, int seat) {
  const OverlayStrip& strip = app.record.cards.overlay;
  const auto s = static_cast<std::size_t>(seat & 3);
  const int count = app.deal.tricksShown ? app.deal.tricks[s] : 0;
  return Paint(app, target, ComposeTricks(count, position.x, y, strip.W, strip.H),
               app.record.cards.overlays.trickPainted[s]);
}

void DrawSeatOverlays(App& app) {
  if (!app.settings.boldBidTrick) return;
  if (!NameKnown(app)) return;
  const WindowHandle table = app.game.TableWindow;
  if (table == 0) return;
  LocateTableBox(app);
  const recognition::TableBox& box = app.reading.box;
  if (!box.located()) return;
  const OverlayPlaces places = OverlayPlacesOf(box);
  CardDisplayState& c = app.record.cards;
  const int first = c.firstBidder >= 0 ? c.firstBidder : FirstBidderFromBids(BidsOf(app));
  for (int seat = 0; seat < 4; ++seat) {
    const Point at = places.bid[static_cast<std::size_t>(seat)];
    c.overlays.at[static_cast<std::size_t>(seat)] = at;
    BitBltBid(app, table, at, at.y, seat == first, seat);
  }
  for (int seat = 0; seat < 4; ++seat) {
    const Point at = places.trick[static_cast<std::size_t>(seat)];
    BitBltTrk(app, table, at, at.y, seat);
  }
}

void RestoreSeatOverlays(App& app) {
  SeatOverlayAnchor& o = app.record.cards.overlays;
  bool painted = false;
  for (std::size_t s = 0; s < 4; ++s) {
    painted = painted || !o.bidPainted[s].empty() || !o.trickPainted[s].empty();
    o.bidPainted[s] = Rect{};
    o.trickPainted[s] = Rect{};
  }
  if (painted && app.game.TableWindow != 0) app.desktop.repaintWindow(app.game.TableWindow);
}

}  // namespace scorlet::companion
