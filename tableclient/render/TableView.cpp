#include "tableclient/render/TableView.h"

#include <algorithm>

#include "gamedata/BidPanel.h"
#include "tableclient/render/CardArt.h"
#include "tableclient/render/Paint.h"

namespace scorlet::table {

namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

constexpr Color WindowEdge = Rgb(192, 192, 192);
constexpr Color CaptionBar = Rgb(0, 0, 128);

Rect TextRect(const TextFace& face, Point at, std::string_view text) {
  return {at.x, at.y, at.x + face.Width(text), at.y + face.Height()};
}

// Draws a text and returns where it went.
Rect Text(const TableCanvas& c, Point at, std::string_view text, Color color = Colors::Black) {
  c.face.Draw(c.image, at.x, at.y, text, color);
  return TextRect(c.face, at, text);
}

void ButtonWithText(const TableCanvas& c, const Rect& rect, const std::string& text) {
  RaisedBox(c.image, rect, c.layout.buttonFace);
  const int x = rect.left + (rect.width() - c.face.Width(text)) / 2;
  const int y = rect.top + (rect.height() - c.face.Height()) / 2;
  Text(c, {x, y}, text);
}

// A line's left column inside its quadrant: the free width times the slack, two columns kept
// clear on each side; a line wider than its quadrant starts at the quadrant's left.
int LineLeft(const Rect& quadrant, int width, int slack) {
  constexpr int Margin = 2;
  const int free = std::max(0, quadrant.width() - 2 * Margin - width);
  return quadrant.left + Margin + free * std::clamp(slack, 0, 1000) / 1000;
}

// A keyword and its value, the layout's gap between them, placed across the quadrant.
Rect KeywordLine(const TableCanvas& c, int quadrant, int top, int slack, const std::string& keyword,
                 const std::string& value) {
  const int width = c.face.Width(keyword) + c.layout.valueGap + c.face.Width(value);
  const int x = LineLeft(c.layout.QuadrantRect(quadrant), width, slack);
  const Rect label = Text(c, {x, top}, keyword);
  Text(c, {label.right + c.layout.valueGap, top}, value);
  return {x, top, x + width, top + c.face.Height()};
}

std::string RatingText(int rating) { return rating > 0 ? std::to_string(rating) : "prov"; }

}  // namespace

std::string BidButtonCaption(int k, const TableWords& words) {
  if (k == BidButtonNil) return std::string(BidPanelNil);
  if (k == BidButtonDoubleNil) return words.doubleNilChoice;
  if (k == BidButtonShow) return words.showChoice;
  return std::to_string(k);
}

std::string ShownBidValue(const std::string& bid, const TableWords& words) {
  if (bid == "N") return words.nilValue;
  if (bid == "D" || bid == "DP") return words.doubleNilValue;
  return bid;
}

Image RenderTableWindow(const TableScene& scene, const TableLayout& layout, TableDrawn* drawn,
                        const TextFace& face) {
  TableDrawn local;
  TableDrawn& out = drawn ? *drawn : local;
  out = TableDrawn{};
  Image image(layout.window.width, layout.window.height, layout.felt);
  TableCanvas c{image, scene, layout, face, out};
  DrawLeftStrip(c);
  DrawTrickCards(c);
  DrawTableBox(c);
  DrawBidLines(c);
  DrawHand(c);
  DrawBidPanel(c);
  DrawPrompt(c);
  DrawPlayerList(c);
  DrawTurnBand(c);
  // The frame around the client area, where the desktop draws the window's own.
  const Rect client{layout.clientOrigin.x, layout.clientOrigin.y,
                    layout.clientOrigin.x + layout.client.width, layout.clientOrigin.y + layout.client.height};
  for (int y = 0; y < image.height; ++y) {
    const Color edge = y < client.top && y > 3 ? CaptionBar : WindowEdge;
    const auto row = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
    if (y < client.top || y >= client.bottom) {
      std::fill(row, row + image.width, edge);
      continue;
    }
    std::fill(row, row + std::clamp(client.left, 0, image.width), edge);
    std::fill(row + std::clamp(client.right, 0, image.width), row + image.width, edge);
  }
  return image;
}

Image RenderTable(const TableScene& scene, const TableLayout& layout, const TextFace& face, TableDrawn* drawn) {
  const Image whole = RenderTableWindow(scene, layout, drawn, face);
  Image image(layout.client.width, layout.client.height, layout.felt);
  // The client's part of the whole window, row by row.
  const Point o = layout.ToWindow({0, 0});
  const int fromX = std::max(0, -o.x);
  const int toX = std::min(image.width, whole.width - o.x);
  for (int y = 0; y < image.height && fromX < toX; ++y) {
    const int wy = y + o.y;
    if (wy < 0 || wy >= whole.height) continue;
    const auto from = whole.pixels.begin() + static_cast<std::ptrdiff_t>(wy) * whole.width + o.x + fromX;
    std::copy(from, from + (toX - fromX), image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width + fromX);
  }
  return image;
}

void DrawLeftStrip(const TableCanvas& c) {
  FillRect(c.image, c.layout.leftStrip, c.layout.strip);
  DrawTableButtons(c);
  DrawTableOptions(c);
}

// The three buttons and their captions; the companion finds each by its caption.
void DrawTableButtons(const TableCanvas& c) {
  for (int k = 0; k < 3; ++k) {
    const Rect& rect = c.layout.buttons[At(k)];
    RaisedBox(c.image, rect, c.layout.buttonFace);
    const Rect text = Text(c, c.layout.labelAt[At(k)], c.scene.words.buttons[At(k)]);
    c.drawn.buttons[At(k)] = rect;
    c.drawn.labels[At(k)] = text;
    c.drawn.labelClicks[At(k)] = {text.right - GlyphFace::GlyphGap - 10, text.top + 4};
  }
}

// The double-nil-passing and suicide labels, only at such tables.
void DrawTableOptions(const TableCanvas& c) {
  const bool shown[2] = {c.scene.doubleNilPassTable, c.scene.suicideTable};
  for (int k = 3; k < 5; ++k) {
    if (!shown[k - 3]) continue;
    const Rect text = Text(c, c.layout.labelAt[At(k)], c.scene.words.buttons[At(k)]);
    c.drawn.labels[At(k)] = text;
    c.drawn.labelClicks[At(k)] = {text.right - GlyphFace::GlyphGap - 10, text.top + 4};
    c.drawn.buttons[At(k)] = c.layout.buttons[At(k)];
  }
}

// The white control below the box, then one line per player: the name, a wide gap, the rating.
// After a game a "newrating:" line follows for each player. The highlighted line is white on a
// black band across the whole list, up to the window's right edge.
void DrawPlayerList(const TableCanvas& c) {
  const TableLayout& l = c.layout;
  FillRect(c.image, l.bidControl, Colors::White);
  c.drawn.bidControl = l.bidControl;
  c.drawn.playerList = l.playerList;
  int y = l.playerList.top;
  const int bandLeft = l.tableBox.right - 50;
  for (int p = 0; p < 4; ++p, y += l.listPitch) {
    const SeatView& seat = c.scene.seats[At(p)];
    Color ink = Colors::Black;
    if (p == c.scene.highlightedSeat) {
      const Rect band{bandLeft, y - l.bandAbove, l.clientOrigin.x + l.client.width,
                      y + c.face.Height() + l.bandBelow};
      FillRect(c.image, band, Colors::Black);
      c.drawn.highlight = band;
      ink = Colors::White;
    }
    const Rect name = Text(c, {l.playerList.left, y}, seat.name, ink);
    const Rect rating = Text(c, {name.right + l.ratingGap, y}, RatingText(seat.rating), ink);
    c.drawn.listLines.push_back({name.left, y, rating.right, rating.bottom});
  }
  for (std::size_t p = 0; p < c.scene.newRatings.size() && p < 4; ++p, y += l.listPitch) {
    const std::string line = c.scene.seats[p].name + " " + c.scene.words.newRating + " " +
                             std::to_string(c.scene.newRatings[p]);
    c.drawn.listLines.push_back(Text(c, {l.playerList.left, y}, line));
  }
}

// The box: white inside a frame 5 pixels wide.
void DrawTableBox(const TableCanvas& c) {
  FillRect(c.image, c.layout.boxFrame, TableBoxFrame);
  FillRect(c.image, c.layout.tableBox, c.layout.boxInside);
  c.drawn.box = c.layout.tableBox;
  c.drawn.frameCorner = {c.layout.boxFrame.left, c.layout.boxFrame.bottom - 1};
}

// Each quadrant holds one seat's bid line and another seat's trick line. A bid line shows once
// the seat has bid, the trick lines from the first card of the deal on.
void DrawBidLines(const TableCanvas& c) {
  const TableWords& words = c.scene.words;
  for (int p = 0; p < 4; ++p) {
    const SeatView& seat = c.scene.seats[At(p)];
    if (!seat.bid.empty()) {
      const int q = BidQuadrant(p);
      c.drawn.bidLines[At(p)] = KeywordLine(c, q, c.layout.bidLineTop[At(q)], c.layout.bidLineSlack[At(q)],
                                            words.bidLabel, ShownBidValue(seat.bid, words));
    }
    if (seat.tricksShown) {
      const int q = TrickQuadrant(p);
      c.drawn.trickLines[At(p)] =
          KeywordLine(c, q, c.layout.trickLineTop[At(q)], c.layout.trickLineSlack[At(q)], words.tricksLabel,
                      std::to_string(seat.tricks));
    }
  }
}

void DrawTrickCards(const TableCanvas& c) {
  for (int p = 0; p < 4; ++p) {
    CardCode card = c.scene.onTable[At(p)];
    if (card == 0) continue;
    Rect rect = c.layout.TrickCard(p);
    DrawCard(c.image, rect.left, rect.top, card, c.face, TableCards);
  }
}

void DrawHand(const TableCanvas& c) {
  for (std::size_t i = 0; i < c.scene.userHand.size(); ++i) {
    Rect rect = c.layout.HandCard(static_cast<int>(i));
    if (c.scene.userHandShown)
      DrawCard(c.image, rect.left, rect.top, c.scene.userHand[i], c.face, TableCards);
    else
      DrawCardBack(c.image, rect.left, rect.top, TableCards);
  }
}

void DrawBidPanel(const TableCanvas& c) {
  if (!c.scene.bidPanel) return;
  // While the cards are hidden the panel offers only the choice; after "Show" the numbers.
  const bool choice = c.scene.doubleNilOffered;
  for (int k = 0; k < BidButtonCount; ++k) {
    const bool choiceButton = k == BidButtonDoubleNil || k == BidButtonShow;
    if (choiceButton != choice) continue;
    ButtonWithText(c, c.layout.BidButton(k), BidButtonCaption(k, c.scene.words));
  }
}

// The waiting prompt, centred in the box; "OK" below the box's lower left quarter at the end
// of a deal.
void DrawPrompt(const TableCanvas& c) {
  const std::string* text = nullptr;
  if (c.scene.prompt == TablePrompt::ClickToStart) text = &c.scene.words.clickToStart;
  if (c.scene.prompt == TablePrompt::WaitingForOpponent) text = &c.scene.words.waitingForOpponent;
  const Rect& box = c.layout.tableBox;
  if (text) {
    const int free = box.width() - c.face.Width(*text);
    const int x = box.left + std::clamp(free * c.layout.promptSlack / 1000, 2, std::max(2, free - 2));
    c.drawn.prompt = Text(c, {x, c.layout.promptTop}, *text);
  }
  if (c.scene.prompt == TablePrompt::DealOver) {
    const Rect& rect = c.layout.okButton;
    RaisedBox(c.image, rect, c.layout.buttonFace);
    const int x = rect.left + (rect.width() - c.face.Width(c.scene.words.ok)) / 2;
    c.drawn.ok = Text(c, {x, rect.top + 2}, c.scene.words.ok);
  }
}

void DrawTurnBand(const TableCanvas& c) {
  c.drawn.turnBand = c.layout.turnBand;
  FillRect(c.image, c.layout.turnBand, c.scene.userTurn ? Colors::Black : c.layout.strip);
}

}  // namespace scorlet::table
