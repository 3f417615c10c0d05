#pragma once
// The one capture primitive: a copy of a window's pixels as 16-bit 5-5-5 values, and how a
// position in the copy is found.
//
// Pixel format: red in bits 10-14, green in bits 5-9, blue in bits 0-4; rows bottom-up, each
// `stride` = width rounded up to even pixels long.

#include "platform/Desktop.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace scorlet {

using PixelBuffer = std::vector<uint16_t>;

// The geometry of the last capture into a record, eight signed 32-bit fields in this order.
// For a whole-window or a client capture, left/top/right/bottom are the captured rectangle in
// the coordinates positions are given in (window- or client-relative, so left and top are 0);
// for a capture of the desktop window they are screen coordinates.
struct CaptureGeometry {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    int32_t stride = 0;
    int32_t rowsRead = 0; // 0: the capture failed, the buffer holds no picture of this window
    int32_t right = 0;
    int32_t bottom = 0;
};

constexpr int32_t StrideFor(int32_t width) { return width + (width & 1); }

// Copies a window (whole, frame included, or only its client area) into `pixels` and fills
// `record`. `outRect` receives the window's screen rectangle (whole window) or its client
// rectangle. Waits 0.1 s with events before the copy and `settleSeconds` after it, as the game
// needs time to repaint. A window of zero size, or one whose left edge is right of x = 1000,
// gives 0 and leaves `pixels` as it was.
int32_t CaptureWindow(Desktop& desktop, WindowHandle window, PixelBuffer& pixels, CaptureGeometry& record,
                      Rect& outRect, bool clientOnly, double settleSeconds = 0.1);

// Where pixel (x, y) of a capture lies in the buffer, or nothing when it falls outside the
// picture. TableIndex addresses by the record's bottom and left (captures of the table window
// or the screen); PanelIndex by its height and left (client captures of the small windows).
std::optional<size_t> TableIndex(const CaptureGeometry& record, const PixelBuffer& pixels, int x, int y);
std::optional<size_t> PanelIndex(const CaptureGeometry& record, const PixelBuffer& pixels, int x, int y);

// The pixel at (x, y), or nothing outside the picture.
std::optional<uint16_t> TablePixel(const CaptureGeometry& record, const PixelBuffer& pixels, int x, int y);
std::optional<uint16_t> PanelPixel(const CaptureGeometry& record, const PixelBuffer& pixels, int x, int y);

} // namespace scorlet
