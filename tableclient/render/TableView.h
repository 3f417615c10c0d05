// The table window, drawn element by element. Each element has its own function so that the
// rules the companion reads by (pure-black text, the box frame, the label strip, the turn band)
// stay in one place each. Positions come from the layout, in whole-window coordinates.
#pragma once

#include <string>
#include <vector>

#include "platform/Types.h"
#include "tableclient/render/Layout.h"
#include "tableclient/render/Scene.h"
#include "tableclient/render/TextFace.h"

namespace scorlet::table {

// Where a drawing put what the companion reads, in whole-window coordinates; an empty
// rectangle for what was not drawn. A text rectangle spans the text's glyph cells: its left
// column, its top row, its advance and the font's 12 rows.
struct TableDrawn {
  Rect box;
  Point frameCorner;                 // the frame's bottom-left corner: (box.left - 5, box.bottom + 5)
  std::array<Rect, 4> bidLines{};    // by display position
  std::array<Rect, 4> trickLines{};  // by display position
  std::array<Rect, 5> labels{};      // last trick, last hand, score, double-nil passing, suicide
  std::array<Point, 5> labelClicks{};  // the companion's click point: (label end - 10, top + 4)
  std::array<Rect, 5> buttons{};
  Rect prompt;
  Rect ok;
  Rect bidControl;
  Rect playerList;                   // the region the lines stand in
  std::vector<Rect> listLines;       // name-and-rating lines, then "newrating:" lines
  Rect highlight;                    // the black band behind the highlighted line
  Rect turnBand;                     // drawn black only on the user's turn
};

// The client area as the window shows it.
Image RenderTable(const TableScene& scene, const TableLayout& layout, const TextFace& face = GameFace(),
                  TableDrawn* drawn = nullptr);
// The whole window, frame and caption bar included, as a whole-window capture sees it.
Image RenderTableWindow(const TableScene& scene, const TableLayout& layout, TableDrawn* drawn = nullptr,
                        const TextFace& face = GameFace());

// What every element draws with: the image covers the whole window.
struct TableCanvas {
  Image& image;
  const TableScene& scene;
  const TableLayout& layout;
  const TextFace& face;
  TableDrawn& drawn;
};

void DrawLeftStrip(const TableCanvas& c);
void DrawTableButtons(const TableCanvas& c);
void DrawTableOptions(const TableCanvas& c);
void DrawPlayerList(const TableCanvas& c);
void DrawTableBox(const TableCanvas& c);
void DrawBidLines(const TableCanvas& c);
void DrawTrickCards(const TableCanvas& c);
void DrawHand(const TableCanvas& c);
void DrawBidPanel(const TableCanvas& c);
void DrawPrompt(const TableCanvas& c);
void DrawTurnBand(const TableCanvas& c);

// Caption of bid-panel button k: "Nil", "1".."13", then the language's Double Nil and Show.
std::string BidButtonCaption(int k, const TableWords& words);
// The value a bid text shows after the bid label: "N" and "D" ("DP" too) in the language's
// letters, numbers as they are.
std::string ShownBidValue(const std::string& bid, const TableWords& words);

}  // namespace scorlet::table
