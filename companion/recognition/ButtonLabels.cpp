#include "companion/recognition/ButtonLabels.h"

#include <algorithm>

#include "gamedata/Glyphs.h"
#include "gamedata/WindowTitles.h"

namespace scorlet::recognition {

ColumnCodes ButtonLineCodes(const Picture& strip, int y, const ColumnCodes* previous) {
  const int left = std::max(0, strip.geometry.left);
  return ComputeTableColumnCodes(strip, y, left, left + ButtonStripWidth, previous);
}

bool ButtonLineHasInk(const Picture& strip, int y) { return ButtonLineCodes(strip, y).hasInk(); }

int FindButtonLabel(const Picture& strip, const GlyphTables& glyphs, int y,
                    std::string_view label) {
  const ColumnCodes codes = ButtonLineCodes(strip, y);
  return codes.hasInk() ? FindWord(glyphs, codes, codes.origin, label) : 0;
}

ButtonScan ScanButtonLabels(const Picture& strip, const GlyphTables& glyphs, int gameLanguage,
                            int top, int bottom, const std::array<Point, 6>& known) {
  ButtonScan scan;
  scan.buttons = known;
  scan.gameLanguage = gameLanguage;
  // A pass ends once no label is left to look for. (A pass that ended at four labels would never
  // find the fifth at a table that shows both option labels: a suicide table that also passes
  // cards for Double Nil would go unnoticed.)
  auto missing = [&] {
    int count = 0;
    for (int k = ButtonLastTrick; k <= ButtonLabelCount; ++k)
      count += scan.buttons[k] == Point{} ? 1 : 0;
    return count;
  };
  for (int pass = 0; pass < 2; ++pass) {
    ColumnCodes codes;
    for (int y = top; y < bottom - 15 && missing() > 0; ++y) {
      codes = ButtonLineCodes(strip, y, &codes);  // one row lower: each code shifted by one
      if (!codes.hasInk()) continue;
      for (int k = ButtonLastTrick; k <= ButtonLabelCount; ++k) {
        if (scan.buttons[k] != Point{}) continue;
        const std::string_view label = ButtonLabelOf(scan.gameLanguage, k);
        const int x = label.empty() ? 0 : FindWord(glyphs, codes, codes.origin, label);
        if (x != 0) {
          scan.buttons[k] = {x, y};
          ++scan.found;
          y += GlyphHeight;
        } else if (scan.gameLanguage == LangSpain && k == ButtonScore &&
                   FindWord(glyphs, codes, codes.origin, ButtonLabelOf(LangSpanishVariant, k))) {
          scan.gameLanguage = LangSpanishVariant;
          y += GlyphHeight;
        }
      }
    }
    if (scan.found >= 3) break;
  }
  return scan;
}

}  // namespace scorlet::recognition
