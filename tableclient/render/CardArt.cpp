#include "tableclient/render/CardArt.h"

#include <array>

#include "gamedata/Glyphs.h"
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

std::optional<std::array<std::uint8_t, 22>> CornerInk(CardCode card) {
  if (!IsCardCode(card)) return std::nullopt;
  std::array<std::uint8_t, 22> codes{};
  const int symbols[2] = {FirstSuitPos + SuitOf(card), RankOf(card)};
  for (int part = 0; part < 2; ++part) {
    const std::vector<std::uint8_t> rows =
        ParseCardGlyph(CardGlyphDefinitions[static_cast<std::size_t>(symbols[part])]);
    for (std::size_t r = 0; r < rows.size() && r < CardGlyphRows; ++r)
      codes[static_cast<std::size_t>(part * CardGlyphRows) + r] = rows[r];
  }
  return codes;
}

void DrawCornerCard(Image& image, const Rect& rect, CardCode card, CardLie lie, Point corner,
                    int startOffset) {
  FillRect(image, rect, Colors::White);
  FrameRect(image, rect, Colors::Black);
  const auto codes = CornerInk(card);
  if (!codes) return;
  const Color ink = CardInk(SuitOf(card));
  for (int k = 0; k < 22; ++k) {
    const unsigned code = (*codes)[static_cast<std::size_t>(k)];
    for (int bit = 0; bit < 8; ++bit) {
      if ((code & (0x80u >> bit)) == 0) continue;
      if (lie == CardLie::Upright)
        PutPixel(image, corner.x + bit, corner.y + 21 - k, ink);
      else
        PutPixel(image, corner.x + startOffset + k, corner.y + bit, ink);
    }
  }
}

}  // namespace scorlet::table
