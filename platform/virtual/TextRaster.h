#pragma once
// Text on the virtual desktop: fixed, predictable metrics (every character of a font is as wide
// as every other, double-byte ones twice as wide) and a blocky stand-in glyph per character, so
// that drawn text shows in pictures without any font files.

#include "platform/Types.h"

#include <string>

namespace scorlet {

int CharWidth(const Font& font, bool doubleByte);
int TextWidth(const std::string& text, const Font& font);
int TextHeight(const Font& font);

// Draws the text's stand-in glyphs into the image (clipped); the background is left alone.
void RasterText(Image& image, Point at, const std::string& text, const Font& font, Color color);

// Fills the part of the rectangle that lies inside the image.
void FillClipped(Image& image, const Rect& rect, Color color);
// Copies `source` of `from` with its corner at `at` (clipped on both sides).
void BlitClipped(Image& image, Point at, const Image& from, const Rect& source);
// The one-pixel outline of a rectangle.
void OutlineClipped(Image& image, const Rect& rect, Color color);

} // namespace scorlet
