// Text drawn on the virtual desktop must read in pictures of its windows: every printable ASCII
// character has a letter of its own, drawn inside its own cell, in every size and weight.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/virtual/TextRaster.h"

namespace scorlet {
namespace {

// The inked pixels of one character drawn alone, as a string of 0s and 1s, and whether any ink
// fell outside the character's cell.
struct Drawn {
  std::string ink;
  bool outside = false;
};

Drawn DrawAlone(char32_t cp, const Font& font) {
  const std::string text(1, static_cast<char>(cp));
  const int margin = 8;
  const int w = TextWidth(text, font);
  const int h = TextHeight(font);
  Image image(w + 2 * margin, h + 2 * margin, Colors::White);
  RasterText(image, {margin, margin}, text, font, Colors::Black);
  Drawn drawn;
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const bool inked = image.at(x, y) == Colors::Black;
      const bool inside = x >= margin && x < margin + w && y >= margin && y < margin + h;
      if (inked && !inside) drawn.outside = true;
      if (inside) drawn.ink += inked ? '1' : '0';
    }
  return drawn;
}

TEST(TextRasterTest, EveryPrintableCharacterHasItsOwnLetterInsideItsCell) {
  for (const Font& font : {Font{"MS Sans Serif", 8, false}, Font{"MS Sans Serif", 8, true},
                           Font{"Arial", 12, false}, Font{"Arial", 20, true}}) {
    std::map<std::string, char> seen;
    for (char32_t cp = 0x21; cp < 0x7F; ++cp) {
      const Drawn drawn = DrawAlone(cp, font);
      const char c = static_cast<char>(cp);
      EXPECT_FALSE(drawn.outside) << c << " at size " << font.size;
      EXPECT_NE(drawn.ink.find('1'), std::string::npos) << c << " draws nothing";
      const auto [it, added] = seen.emplace(drawn.ink, c);
      EXPECT_TRUE(added) << c << " looks like " << it->second << " at size " << font.size;
    }
    // A space draws nothing.
    EXPECT_EQ(DrawAlone(U' ', font).ink.find('1'), std::string::npos);
  }
}

TEST(TextRasterTest, TextAtTheImageEdgeIsClipped) {
  Image image(10, 6, Colors::White);
  RasterText(image, {-4, -5}, "WWW", Font{"Arial", 20, true}, Colors::Black);
  RasterText(image, {7, 3}, "Mg", Font{}, Colors::Black);
  bool inked = false;
  for (Color c : image.pixels) inked = inked || c == Colors::Black;
  EXPECT_TRUE(inked);
}

}  // namespace
}  // namespace scorlet
