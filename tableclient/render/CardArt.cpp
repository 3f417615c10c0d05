#include "tableclient/render/CardArt.h"

#include <array>

#include "tableclient/render/Layout.h"
#include "tableclient/render/Paint.h"

namespace scorlet::table {

namespace {

// clang-format off
constexpr std::array<const char*, 4> SuitSigns{
    "  ###  " "  ###  " "## # ##" "#######" "## # ##" "   #   " "  ###  ",  // clubs
    "   #   " "  ###  " " ##### " "#######" " ##### " "  ###  " "   #   ",  // diamonds
    " ## ## " "#######" "#######" " ##### " "  ###  " "   #   " "       ",  // hearts
    "   #   " "  ###  " " ##### " "#######" "#######" "   #   " "  ###  ",  // spades
};
// clang-format on

}  // namespace

Color CardInk(int suit, const CardPalette& palette) {
  return suit == Hearts || suit == Diamonds ? palette.red : palette.black;
}

void DrawSuitSign(Image& image, int x, int y, int suit, const CardPalette& palette) {
  if (suit < Clubs || suit > Spades) return;
  const char* rows = SuitSigns[static_cast<std::size_t>(suit)];
  for (int r = 0; r < 7; ++r)
    for (int c = 0; c < 7; ++c)
      if (rows[r * 7 + c] == '#') PutPixel(image, x + c, y + r, CardInk(suit, palette));
}

void DrawCard(Image& image, int x, int y, CardCode card, const TextFace& face,
              const CardPalette& palette) {
  Rect rect{x, y, x + CardSize.width, y + CardSize.height};
  FillRect(image, rect, palette.face);
  FrameRect(image, rect, palette.edge);
  int suit = SuitOf(card);
  face.Draw(image, x + 3, y + 3, SymbolChar(RankOf(card)), CardInk(suit, palette));
  DrawSuitSign(image, x + 3, y + 16, suit, palette);
}

void DrawCardBack(Image& image, int x, int y, const CardPalette& palette) {
  Rect rect{x, y, x + CardSize.width, y + CardSize.height};
  FillRect(image, rect, palette.back);
  FrameRect(image, rect, palette.backEdge);
}

}  // namespace scorlet::table
