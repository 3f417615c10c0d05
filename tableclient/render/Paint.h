// Pixel primitives on a 24-bit image, clipped to the image.
#pragma once

#include "platform/Types.h"

namespace scorlet::table {

void FillRect(Image& image, const Rect& rect, Color color);
// A one-pixel outline just inside the rectangle.
void FrameRect(Image& image, const Rect& rect, Color color);
void PutPixel(Image& image, int x, int y, Color color);
// A button face: filled, light top-left edges, dark bottom-right edges.
void RaisedBox(Image& image, const Rect& rect, Color face);

}  // namespace scorlet::table
