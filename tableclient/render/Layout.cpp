#include "tableclient/render/Layout.h"

namespace scorlet::table {

TableLayout TableLayout::ForClient(Size client) {
  TableLayout layout;
  layout.client = client;
  layout.leftStrip.bottom = client.height;
  layout.turnStrip = {200, client.height - 18, client.width, client.height - 8};
  return layout;
}

Rect TableLayout::BidButton(int k) const {
  constexpr int Width = 44;
  constexpr int Step = 47;
  int row = k / 8;
  int column = k % 8;
  int wide = k == BidButtonCount - 1 ? Width + Step : Width;  // "Double Nil" takes two places
  int left = bidPanel.left + column * Step;
  int top = bidPanel.top + row * 25;
  return {left, top, left + wide, top + 22};
}

Rect TableLayout::HandCard(int index) const {
  int left = hand.left + index * HandCardStep;
  return {left, hand.top, left + CardSize.width, hand.top + CardSize.height};
}

Rect TableLayout::TrickCard(int position) const {
  int midX = (trickArea.left + trickArea.right) / 2;
  int midY = (trickArea.top + trickArea.bottom) / 2;
  static constexpr std::array<Point, 4> offsets{{{0, 40}, {-70, 0}, {0, -40}, {70, 0}}};
  Point o = offsets[static_cast<std::size_t>(position & 3)];
  int left = midX + o.x - CardSize.width / 2;
  int top = midY + o.y - CardSize.height / 2;
  return {left, top, left + CardSize.width, top + CardSize.height};
}

}  // namespace scorlet::table
