// Draws text the way the game does: each glyph's column codes turned back into ink pixels, one
// blank column between glyphs.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "companion/recognition/Picture.h"

namespace scorlet::recognition::testing {

inline constexpr uint16_t Felt = Rgb555(0, 12, 4);
inline constexpr uint16_t Ink = 0;

// Draws the glyphs named (first definition of each name) with the top row at y; returns the
// column after the last glyph.
int DrawGlyphs(Picture& picture, int x, int y, const std::vector<std::string>& names,
               uint16_t ink = Ink);
// Each (UTF-8) character of the text is one glyph name.
int DrawText(Picture& picture, int x, int y, std::string_view text, uint16_t ink = Ink);
void FillRect(Picture& picture, int left, int top, int right, int bottom, uint16_t value);

// Runs scorlet-read with the arguments; its standard output, and its exit status in `status`
// (-1 when it did not exit).
std::string RunReadProgram(const std::string& arguments, int& status);

// A table window 615 x 560 with the box frame whose bottom-left run starts at (210, 450), so the
// box is 215,296 - 450,445 (centre 332, 370).
TableCapture TableWithFrame();

}  // namespace scorlet::recognition::testing
