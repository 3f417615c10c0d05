// The table window's client area, drawn element by element. Each element has its own
// function so that the exact rules the recognisers read (fonts, colours, column ranges)
// can be put into one of them without touching the others.
#pragma once

#include "platform/Types.h"
#include "tableclient/render/Layout.h"
#include "tableclient/render/Scene.h"
#include "tableclient/render/TextFace.h"

namespace scorlet::table {

Image RenderTable(const TableScene& scene, const TableLayout& layout,
                  const TextFace& face = DefaultFace());

// What every element draws with.
struct TableCanvas {
  Image& image;
  const TableScene& scene;
  const TableLayout& layout;
  const TextFace& face;
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
void DrawTurnStrip(const TableCanvas& c);

// Caption of bid-panel button k: "Nil", "1".."13", "Double Nil".
std::string BidButtonCaption(int k);

}  // namespace scorlet::table
