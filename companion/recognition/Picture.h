// The one picture every reader works on: a capture's 16-bit 5-5-5 pixels (bottom-up rows, as the
// copy delivers them) together with the geometry of that capture. A position outside the picture
// is no pixel at all: every test below answers "no ink" for it, so no reader ever reads past the
// buffer.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Capture.h"

namespace scorlet::recognition {

// How a position maps to a buffer row: by the capture's bottom (table window, screen) or by its
// height (client areas of the small windows).
enum class Addressing { Table, Panel };

struct Picture {
  PixelBuffer pixels;
  CaptureGeometry geometry;
  Addressing addressing = Addressing::Table;

  // Where (x, y) lies in the buffer, or nothing outside the picture.
  std::optional<size_t> index(int x, int y) const;
  // The pixel at (x, y), or nothing outside the picture.
  std::optional<uint16_t> at(int x, int y) const;
  bool empty() const { return geometry.rowsRead == 0 || pixels.empty(); }
  int width() const { return geometry.width; }
  int height() const { return geometry.height; }
};

// Whole table window or screen: PixelBuffer[(bottom - 1 - y) * stride + (x - left)].
struct TableCapture : Picture {
  TableCapture() { addressing = Addressing::Table; }
};
// Client area of a small window: PixelBuffer[(height - 1 - y) * stride + (x - left)].
struct PanelCapture : Picture {
  PanelCapture() { addressing = Addressing::Panel; }
};

// A blank picture of the given size whose left and top are 0 (every pixel `fill`).
TableCapture MakeTableCapture(int width, int height, uint16_t fill);
// Sets the pixel at (x, y) when it lies inside the picture.
void SetPixel(Picture& picture, int x, int y, uint16_t value);

// The located table box in whole-window coordinates; left 0 = not located.
struct TableBox {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int centreX = 0;
  int centreY = 0;
  bool located() const { return left != 0; }
  friend bool operator==(const TableBox&, const TableBox&) = default;
};
inline constexpr int TableBoxWidth = 235;
inline constexpr int TableBoxHeight = 149;
// The box whose top-left corner is (left, top), centre included.
TableBox BoxAt(int left, int top);

inline constexpr uint16_t PureWhite = 32767;
inline constexpr uint16_t FrameReference = 5120;  // red 5, green 0, blue 0

constexpr int RedOf(uint16_t pixel) { return (pixel >> 10) & 31; }
constexpr int GreenOf(uint16_t pixel) { return (pixel >> 5) & 31; }
constexpr int BlueOf(uint16_t pixel) { return pixel & 31; }
constexpr uint16_t Rgb555(int red, int green, int blue) {
  return static_cast<uint16_t>(((red & 31) << 10) | ((green & 31) << 5) | (blue & 31));
}
// Each component within 1 of the reference's.
bool IsNearReference(uint16_t pixel, uint16_t reference = FrameReference);
bool IsGrey(uint16_t pixel);  // blue 15..27 and red = green = blue
constexpr bool IsWhite(uint16_t pixel) { return (pixel & 0x7FFF) == 0x7FFF; }
constexpr bool IsBlack(uint16_t pixel) { return (pixel & 0x7FFF) == 0; }

// The same tests on a position: false outside the picture.
bool IsBlackAt(const Picture& picture, int x, int y);
bool IsWhiteAt(const Picture& picture, int x, int y);
bool IsGreyAt(const Picture& picture, int x, int y);
bool IsNearReferenceAt(const Picture& picture, int x, int y, uint16_t reference = FrameReference);

// Row and column scans over a rectangle; each returns -1 when nothing qualifies.
// Rows top..bottom inclusive, columns left..right inclusive, all grey.
int FirstGreyRow(const Picture& picture, int left, int top, int right, int bottom);
// Rows top..bottom - 1, columns left..right inclusive, at least one black pixel.
int FirstRowWithBlack(const Picture& picture, int left, int top, int right, int bottom);
// Rows from top down to the picture's last row, columns left..right - 1, all black.
int FirstBlackRow(const Picture& picture, int left, int top, int right);
// Columns left..right inclusive, each over rows top..bottom - 1, all black.
int FirstBlackColumn(const Picture& picture, int left, int top, int right, int bottom);
// Rows top..bottom - 1, columns left..right - 1, all black; -1 for an empty picture.
int FirstBlackRowInRect(const Picture& picture, int left, int top, int right, int bottom);

}  // namespace scorlet::recognition
