#include "tableclient/render/TableView.h"

#include "tableclient/render/CardArt.h"
#include "tableclient/render/Paint.h"

namespace scorlet::table {

namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

void ButtonWithText(Image& image, const Rect& rect, const std::string& text, const TextFace& face) {
  RaisedBox(image, rect, ButtonFace);
  int x = rect.left + (rect.width() - face.Width(text)) / 2;
  int y = rect.top + (rect.height() - face.Height()) / 2;
  face.Draw(image, x, y, text, Colors::Black);
}

// Top-left corner of the two-line bid block of a display position inside the table box.
Point BidBlockCorner(const Rect& box, int position) {
  switch (position) {
    case 0: return {box.left + 80, box.bottom - 30};
    case 1: return {box.left + 6, box.top + 60};
    case 2: return {box.left + 80, box.top + 6};
    default: return {box.right - 90, box.top + 60};
  }
}

}  // namespace

std::string BidButtonCaption(int k) {
  if (k == 0) return "Nil";
  if (k == BidButtonCount - 1) return "Double Nil";
  return std::to_string(k);
}

Image RenderTable(const TableScene& scene, const TableLayout& layout, const TextFace& face) {
  Image image(layout.client.width, layout.client.height, FeltColour);
  TableCanvas c{image, scene, layout, face};
  DrawLeftStrip(c);
  DrawTableBox(c);
  DrawBidLines(c);
  DrawTrickCards(c);
  DrawHand(c);
  DrawBidPanel(c);
  DrawPrompt(c);
  DrawTurnStrip(c);
  return image;
}

void DrawLeftStrip(const TableCanvas& c) {
  FillRect(c.image, c.layout.leftStrip, StripColour);
  DrawTableButtons(c);
  DrawTableOptions(c);
  DrawPlayerList(c);
}

void DrawTableButtons(const TableCanvas& c) {
  for (int k = 0; k < 3; ++k) {
    const Rect& rect = c.layout.buttons[At(k)];
    RaisedBox(c.image, rect, ButtonFace);
    int y = rect.top + (rect.height() - c.face.Height()) / 2;
    c.face.Draw(c.image, rect.left + 6, y, c.scene.words.buttons[At(k)], Colors::Black);
  }
}

void DrawTableOptions(const TableCanvas& c) {
  const bool shown[2] = {c.scene.doubleNilPassTable, c.scene.suicideTable};
  for (int k = 3; k < 5; ++k) {
    if (!shown[k - 3]) continue;
    const Rect& rect = c.layout.buttons[At(k)];
    c.face.Draw(c.image, rect.left, rect.top + 2, c.scene.words.buttons[At(k)], Colors::Black);
  }
}

void DrawPlayerList(const TableCanvas& c) {
  FillRect(c.image, c.layout.playerList, Colors::White);
  FrameRect(c.image, c.layout.playerList, Colors::Black);
  // One line per player, the name first and the rating second; after a game the new
  // ratings follow.
  const int left = c.layout.playerList.left + 4;
  int y = c.layout.playerList.top + 4;
  for (int p = 0; p < 4; ++p, y += 14) {
    const SeatView& seat = c.scene.seats[At(p)];
    c.face.Draw(c.image, left, y, seat.name, Colors::Black);
    c.face.Draw(c.image, left + 116, y, std::to_string(seat.rating), Colors::Black);
  }
  for (std::size_t p = 0; p < c.scene.newRatings.size() && p < 4; ++p, y += 14) {
    std::string line = c.scene.words.newRating + " " + std::to_string(c.scene.newRatings[p]);
    c.face.Draw(c.image, left, y, line, Colors::Black);
  }
}

void DrawTableBox(const TableCanvas& c) {
  const Rect& box = c.layout.tableBox;
  FillRect(c.image, box, Colors::White);
  FrameRect(c.image, box, TableBoxFrame);
  FrameRect(c.image, {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}, TableBoxFrame);
}

void DrawBidLines(const TableCanvas& c) {
  for (int p = 0; p < 4; ++p) {
    const SeatView& seat = c.scene.seats[At(p)];
    Point corner = BidBlockCorner(c.layout.tableBox, p);
    std::string bidLine = c.scene.words.bidLabel + " " + seat.bid;
    std::string tricks = seat.tricksShown ? std::to_string(seat.tricks) : "";
    std::string tricksLine = c.scene.words.tricksLabel + " " + tricks;
    c.face.Draw(c.image, corner.x, corner.y, bidLine, Colors::Black);
    c.face.Draw(c.image, corner.x, corner.y + 12, tricksLine, Colors::Black);
  }
}

void DrawTrickCards(const TableCanvas& c) {
  for (int p = 0; p < 4; ++p) {
    CardCode card = c.scene.onTable[At(p)];
    if (card == 0) continue;
    Rect rect = c.layout.TrickCard(p);
    DrawCard(c.image, rect.left, rect.top, card, c.face);
  }
}

void DrawHand(const TableCanvas& c) {
  for (std::size_t i = 0; i < c.scene.userHand.size(); ++i) {
    Rect rect = c.layout.HandCard(static_cast<int>(i));
    if (c.scene.userHandShown)
      DrawCard(c.image, rect.left, rect.top, c.scene.userHand[i], c.face);
    else
      DrawCardBack(c.image, rect.left, rect.top);
  }
}

void DrawBidPanel(const TableCanvas& c) {
  if (!c.scene.bidPanel) return;
  for (int k = 0; k < BidButtonCount; ++k) {
    if (k == BidButtonCount - 1 && !c.scene.doubleNilOffered) continue;
    ButtonWithText(c.image, c.layout.BidButton(k), BidButtonCaption(k), c.face);
  }
}

void DrawPrompt(const TableCanvas& c) {
  const std::string* text = nullptr;
  if (c.scene.prompt == TablePrompt::ClickToStart) text = &c.scene.words.clickToStart;
  if (c.scene.prompt == TablePrompt::WaitingForOpponent) text = &c.scene.words.waitingForOpponent;
  if (text) c.face.Draw(c.image, c.layout.prompt.left, c.layout.prompt.top, *text, Colors::White);
  if (c.scene.prompt == TablePrompt::DealOver)
    ButtonWithText(c.image, c.layout.okButton, c.scene.words.ok, c.face);
}

void DrawTurnStrip(const TableCanvas& c) {
  FillRect(c.image, c.layout.turnStrip, c.scene.userTurn ? Colors::Black : FeltColour);
}

}  // namespace scorlet::table
