// The labels of the table's buttons, read off a capture of the table window's left strip
// (positions in the capture's own coordinates, screen pixels for a strip of the screen).
#pragma once

#include <array>
#include <string_view>

#include "companion/recognition/GlyphReader.h"
#include "companion/recognition/Picture.h"
#include "platform/Types.h"

namespace scorlet::recognition {

inline constexpr int ButtonStripWidth = 200;

// The codes of the text line at y over the strip's columns (its left, or 0 when negative, to
// 200 columns right of it); derived from `previous` when that is the line one row higher.
ColumnCodes ButtonLineCodes(const Picture& strip, int y, const ColumnCodes* previous = nullptr);
// True when the text line whose top row is y holds any ink.
bool ButtonLineHasInk(const Picture& strip, int y);
// The column after the label's last glyph when the label is in the line at y, else 0.
int FindButtonLabel(const Picture& strip, const GlyphTables& glyphs, int y, std::string_view label);

// The scan of the strip for button labels 1..5 from row `top` to `bottom` (exclusive of the last
// 15 rows): two passes, a label found moves the scan one text line down, a pass ends when every
// label has been found. Labels already in `known` (non-zero) are not looked for again.
struct ButtonScan {
  std::array<Point, 6> buttons{};  // by label 1..5: the column after the label and its line's row
  int gameLanguage = 0;            // the language after the scan (6 may turn out to be 8)
  int found = 0;
};
ButtonScan ScanButtonLabels(const Picture& strip, const GlyphTables& glyphs, int gameLanguage,
                            int top, int bottom, const std::array<Point, 6>& known = {});
// Where a button is clicked: 10 columns left of the label's end, 4 rows below its line's top.
inline Point ButtonClickPoint(Point label) { return {label.x - 10, label.y + 4}; }

}  // namespace scorlet::recognition
