#include "tableclient/render/Layout.h"

#include <algorithm>

#include "tableclient/render/SeededDice.h"

namespace scorlet::table {

namespace {

using Dice = SeededDice;

constexpr int LineRows = 12;
constexpr int MaxCaption = 48;   // the tallest caption bar plus frame the layout leaves room for
constexpr int ListRoom = 170;    // columns a player-list line may need right of the box
constexpr int BelowBox = 160;    // rows the OK button, the hand and the bid panel need below it
// The bid panel's buttons. Captions are centred in them; the steps leave more than seven blank
// columns between two captions, so the companion reads each caption as a field of its own.
constexpr int BidButtonHeight = 16;
constexpr int BidTextTopInButton = 2;
constexpr int BidNumberWidth = 15;
constexpr int BidNilWidth = 20;
constexpr int BidNumberStepMin = 18;
constexpr int BidNumberStepMax = 19;
constexpr int BidChoiceWidth = 62;  // the widest Double Nil caption
constexpr int BidShowWidth = 44;    // the widest Show caption

// Two 12-row lines inside the rows [top, bottom): their top rows, in an order of the seed's choice.
std::pair<int, int> TwoLines(Dice& dice, int top, int bottom, int fixedFirst, int fixedGap) {
  const int first = dice.Pick(top + 2, bottom - 2 - 2 * LineRows - 3, top + fixedFirst);
  const int second = dice.Pick(first + LineRows + 3, bottom - 2 - LineRows, first + fixedGap);
  return dice.Pick(0, 1, 0) == 0 ? std::pair{first, second} : std::pair{second, first};
}

}  // namespace

Size TableLayout::WindowSizeFor(std::uint32_t seed) {
  Dice dice(seed);
  return {dice.Pick(600, 900, 640), dice.Pick(680, 760, 720)};
}

TableLayout TableLayout::ForWindow(Size window, std::uint32_t seed) {
  constexpr int Border = 4, Caption = 23;
  return Make(window, {Border, Border + Caption},
              {window.width - 2 * Border, window.height - 2 * Border - Caption}, seed);
}

TableLayout TableLayout::Make(Size window, Point clientOrigin, Size client, std::uint32_t seed) {
  TableLayout l;
  l.window = window;
  l.clientOrigin = clientOrigin;
  l.client = client;
  l.seed = seed;
  Dice dice(seed);
  const int clientRight = clientOrigin.x + client.width;
  const int clientBottom = clientOrigin.y + client.height;
  const int W = TableBoxFrameWidth;

  l.leftStrip = {0, 0, LeftStripWidth, window.height};

  // The labels, one text line each, from row 65 down.
  const int labelX = dice.Pick(clientOrigin.x + 8, 40, 12);
  int y = dice.Pick(LabelScanTop + 6, LabelScanTop + 40, LabelScanTop + 9);
  for (std::size_t k = 0; k < l.labelAt.size(); ++k) {
    if (k == 3) y += dice.Pick(6, 20, 10);  // the table options stand apart from the buttons
    l.labelAt[k] = {labelX + (k < 3 ? 0 : dice.Pick(-4, 4, 0)), y};
    // A button reaches across the strip, so a click just left of its label's end hits it.
    l.buttons[k] = {l.labelAt[k].x - 6, y - 5, LeftStripWidth - 6, y + LineRows + 5};
    y += k < 3 ? dice.Pick(26, 34, 28) : dice.Pick(16, 22, 18);
  }

  // The box: its frame's bottom-left corner inside the frame search region, room left for the
  // trick cards above it, the list right of it and the hand and bid panel below it.
  const int leftMost = FrameSearchLeft + W;
  const int leftLast = std::min(FrameSearchRight + W, clientRight - TableBoxSize.width + 44 - ListRoom);
  const int left = dice.Pick(leftMost, leftLast, 250);
  const int bottomMost = std::max(FrameSearchTop - W, MaxCaption + 150 + TableBoxSize.height);
  const int bottomLast = std::min(FrameSearchBottom - W, clientBottom - BelowBox);
  const int bottom = dice.Pick(bottomMost, bottomLast, 429);
  l.tableBox = {left, bottom - TableBoxSize.height, left + TableBoxSize.width, bottom};
  // The frame's lowest row is bottom + 5, so its bottom-left corner reads back as this box.
  l.boxFrame = {left - W, l.tableBox.top - W, l.tableBox.right + W, bottom + W + 1};

  // Each half of the box holds two rows of lines, one line either side of the centre line: the
  // lower half the user's trick and bid lines on one row, the left opponent's bid line and the
  // right opponent's trick line on the other; the upper half the partner's bid and trick lines,
  // and the left opponent's trick line with the right opponent's bid line. A seat's bid line,
  // once found, thus gives the row of the trick line beside it.
  const auto lower = TwoLines(dice, l.centreY(), l.tableBox.bottom, 8, 26);
  const auto upper = TwoLines(dice, l.tableBox.top, l.centreY(), 20, 26);
  l.bidLineTop = {lower.first, lower.second, upper.first, upper.second};
  l.trickLineTop = {lower.second, lower.first, upper.second, upper.first};
  for (std::size_t q = 0; q < 4; ++q) {
    l.bidLineSlack[q] = dice.Pick(0, 1000, 500);
    l.trickLineSlack[q] = dice.Pick(0, 1000, 500);
  }
  l.promptTop = dice.Pick(l.tableBox.top + 20, l.tableBox.bottom - 20 - LineRows, l.centreY() - 6);

  const Rect& box = l.tableBox;
  l.trickArea = {box.left, clientOrigin.y + 6, box.right, box.top - W - 4};

  // Below the box, left: "OK" at the end of a deal, the hand, the bid panel.
  const int okLeft = box.left + dice.Pick(4, 60, 30);
  const int okTop = box.bottom + W + dice.Pick(2, 5, 3);
  l.okButton = {okLeft, okTop, okLeft + 30, okTop + 16};
  const int handLeft = std::max(LeftStripWidth + 4, box.left - dice.Pick(0, 40, 30));
  l.hand = {handLeft, okTop + 20, handLeft + 12 * HandCardStep + CardSize.width,
            okTop + 20 + CardSize.height};
  // The bid panel where the companion scans for it: the number buttons in the left strip below
  // the labels, the Double Nil / Show row just below the box (the "OK" is never shown with it).
  l.bidStep = dice.Pick(BidNumberStepMin, BidNumberStepMax, BidNumberStepMin);
  l.bidRowStep = dice.Pick(19, 24, 20);
  const int numbersLeftLast = LeftStripWidth - 1 - 4 * l.bidStep - BidNumberWidth;
  const int numbersTopFirst = std::max(BidPanelScan.top, l.buttons[4].bottom + 6);
  const int numbersTopLast =
      BidPanelScan.bottom - BidPanelScanBottomRows - 2 * l.bidRowStep - BidTextTopInButton;
  // Every caption begins right of the columns the companion skips.
  const int panelLeft = BidPanelScan.left + BidPanelScanSkip - 2;
  l.bidNumbers = {dice.Pick(panelLeft, numbersLeftLast, panelLeft),
                  dice.Pick(numbersTopFirst, numbersTopLast, 330)};
  l.bidChoice = {dice.Pick(panelLeft, panelLeft + 4, panelLeft),
                 box.bottom + W + 2};

  // Below the box, right: the bid control, then the player list from its left column.
  const int controlLeft = box.right - dice.Pick(20, 45, 40);
  const int controlTop = box.bottom + W + dice.Pick(4, 12, 6);
  l.bidControl = {controlLeft, controlTop, controlLeft + 30, controlTop + 14};
  const int listLeft = box.right - 50 + dice.Pick(6, 14, 8);
  const int listTop = l.bidControl.bottom + dice.Pick(6, 12, 8);
  l.ratingGap = dice.Pick(8, 24, 12);

  // What the reading leaves free beyond the positions: the gap before a line's value, where
  // the prompt stands across the box, the list's line pitch and highlight band, the turn band's
  // extent.
  l.valueGap = dice.Pick(1, 10, 3);
  l.promptSlack = dice.Pick(0, 1000, 500);
  l.listPitch = dice.Pick(ListLinePitch, ListLinePitch + 6, ListLinePitch);
  const int bandRoom = l.listPitch - LineRows;
  l.bandAbove = dice.Pick(0, bandRoom / 2, 2);
  l.bandBelow = dice.Pick(0, bandRoom - l.bandAbove, 2);
  l.playerList = {listLeft, listTop, clientRight, std::min(clientBottom - 15, listTop + 8 * l.listPitch)};
  const int stripTop = window.height - TurnStripTopFromBottom;
  const int bandTop = stripTop + dice.Pick(1, TurnStripRows - 1, 3);
  l.turnBand = {dice.Pick(TurnStripLeft - 20, TurnStripLeft, 100), bandTop,
                dice.Pick(TurnStripRight, TurnStripRight + 20, 134), bandTop + dice.Pick(1, 10, 7)};
  // Never pure black or white, never near the frame's colour; the felt and the faces stay
  // darker than the white bid control below the box.
  static constexpr std::array<Color, 4> Felts{FeltColour, Rgb(24, 72, 40), Rgb(16, 56, 96), Rgb(64, 64, 64)};
  static constexpr std::array<Color, 4> Strips{StripColour, Rgb(176, 188, 208), Rgb(216, 204, 184),
                                               Rgb(144, 160, 144)};
  static constexpr std::array<Color, 4> Insides{Colors::White, Rgb(240, 240, 224), Rgb(224, 236, 248),
                                                Rgb(200, 228, 200)};
  static constexpr std::array<Color, 3> Faces{ButtonFace, Rgb(188, 200, 216), Rgb(200, 196, 184)};
  auto pick = [&](const auto& colours) {
    return colours[static_cast<std::size_t>(dice.Pick(0, static_cast<int>(colours.size()) - 1, 0))];
  };
  l.felt = pick(Felts);
  l.strip = pick(Strips);
  l.boxInside = pick(Insides);
  l.buttonFace = pick(Faces);
  return l;
}

Rect TableLayout::QuadrantRect(int quadrant) const {
  const int cx = centreX(), cy = centreY();
  const Rect& b = tableBox;
  switch (quadrant & 3) {
    case LowerRight: return {cx, cy, b.right, b.bottom};
    case LowerLeft: return {b.left, cy, cx, b.bottom};
    case UpperLeft: return {b.left, b.top, cx, cy};
    default: return {cx, b.top, b.right, cy};
  }
}

Rect TableLayout::BidButton(int k) const {
  if (k == BidButtonDoubleNil)
    return {bidChoice.x, bidChoice.y, bidChoice.x + BidChoiceWidth, bidChoice.y + BidButtonHeight};
  if (k == BidButtonShow) {
    const int left = bidChoice.x + BidChoiceWidth + 4;
    return {left, bidChoice.y, left + BidShowWidth, bidChoice.y + BidButtonHeight};
  }
  // 1..13 in rows of five; Nil after 13, a little wider for its three letters.
  const int index = k == BidButtonNil ? 13 : std::clamp(k, 1, 13) - 1;
  const int left = bidNumbers.x + (index % 5) * bidStep;
  const int top = bidNumbers.y + (index / 5) * bidRowStep;
  const int width = k == BidButtonNil ? BidNilWidth : BidNumberWidth;
  return {left, top, left + width, top + BidButtonHeight};
}

Rect TableLayout::HandCard(int index) const {
  int left = hand.left + index * HandCardStep;
  return {left, hand.top, left + CardSize.width, hand.top + CardSize.height};
}

Rect TableLayout::TrickCard(int position) const {
  const int midX = (trickArea.left + trickArea.right) / 2;
  const int midY = (trickArea.top + trickArea.bottom) / 2;
  const int dy = std::clamp((trickArea.height() - CardSize.height) / 2, 0, 45);
  const std::array<Point, 4> offsets{{{0, dy}, {-70, 0}, {0, -dy}, {70, 0}}};
  Point o = offsets[static_cast<std::size_t>(position & 3)];
  int left = midX + o.x - CardSize.width / 2;
  int top = midY + o.y - CardSize.height / 2;
  return {left, top, left + CardSize.width, top + CardSize.height};
}

Rect TableLayout::ButtonRect(int kind) const {
  return kind >= 1 && kind <= 3 ? buttons[static_cast<std::size_t>(kind - 1)] : Rect{};
}

std::array<std::string, 4> SeededPlayerNames(std::uint32_t seed) {
  static constexpr std::string_view Alphabet =
      "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_";
  if (seed == 0) return {"North", "East", "South", "West"};
  Dice dice(seed ^ 0x5EA75u);
  std::array<std::string, 4> names;
  for (std::string& name : names) {
    const int length = dice.Pick(4, 16, 8);
    // Names begin with a letter, as the site asks.
    name += Alphabet[static_cast<std::size_t>(dice.Pick(0, 51, 0))];
    while (static_cast<int>(name.size()) < length)
      name += Alphabet[static_cast<std::size_t>(dice.Pick(0, static_cast<int>(Alphabet.size()) - 1, 0))];
  }
  return names;
}

}  // namespace scorlet::table
