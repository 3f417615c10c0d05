#include "companion/recognition/Picture.h"

#include <cstdlib>

namespace scorlet::recognition {

std::optional<size_t> Picture::index(int x, int y) const {
  if (geometry.stride <= 0) return std::nullopt;
  return addressing == Addressing::Table ? TableIndex(geometry, pixels, x, y)
                                         : PanelIndex(geometry, pixels, x, y);
}

std::optional<uint16_t> Picture::at(int x, int y) const {
  const std::optional<size_t> i = index(x, y);
  return i ? std::optional<uint16_t>(pixels[*i]) : std::nullopt;
}

TableCapture MakeTableCapture(int width, int height, uint16_t fill) {
  TableCapture picture;
  CaptureGeometry& g = picture.geometry;
  g.width = width;
  g.height = height;
  g.stride = StrideFor(width);
  g.rowsRead = height;
  g.right = width;
  g.bottom = height;
  picture.pixels.assign(static_cast<size_t>(g.stride) * height, fill);
  return picture;
}

void SetPixel(Picture& picture, int x, int y, uint16_t value) {
  if (const std::optional<size_t> i = picture.index(x, y)) picture.pixels[*i] = value;
}

TableBox BoxAt(int left, int top) {
  TableBox box{left, top, left + TableBoxWidth, top + TableBoxHeight, 0, 0};
  box.centreX = (box.left + box.right) / 2;
  box.centreY = (box.top + box.bottom) / 2;
  return box;
}

bool IsNearReference(uint16_t pixel, uint16_t reference) {
  return std::abs(RedOf(pixel) - RedOf(reference)) < 2 &&
         std::abs(GreenOf(pixel) - GreenOf(reference)) < 2 &&
         std::abs(BlueOf(pixel) - BlueOf(reference)) < 2;
}

bool IsGrey(uint16_t pixel) {
  const int blue = BlueOf(pixel);
  return blue >= 15 && blue <= 27 && RedOf(pixel) == blue && GreenOf(pixel) == blue;
}

bool IsBlackAt(const Picture& picture, int x, int y) {
  const auto p = picture.at(x, y);
  return p && IsBlack(*p);
}
bool IsWhiteAt(const Picture& picture, int x, int y) {
  const auto p = picture.at(x, y);
  return p && IsWhite(*p);
}
bool IsGreyAt(const Picture& picture, int x, int y) {
  const auto p = picture.at(x, y);
  return p && IsGrey(*p);
}
bool IsNearReferenceAt(const Picture& picture, int x, int y, uint16_t reference) {
  const auto p = picture.at(x, y);
  return p && IsNearReference(*p, reference);
}

namespace {

template <typename Test>
bool RowAll(const Picture& picture, int y, int fromX, int toX, Test test) {
  if (fromX > toX) return false;
  for (int x = fromX; x <= toX; ++x) {
    if (!test(picture, x, y)) return false;
  }
  return true;
}

}  // namespace

int FirstGreyRow(const Picture& picture, int left, int top, int right, int bottom) {
  for (int y = top; y <= bottom; ++y) {
    if (RowAll(picture, y, left, right, IsGreyAt)) return y;
  }
  return -1;
}

int FirstRowWithBlack(const Picture& picture, int left, int top, int right, int bottom) {
  for (int y = top; y < bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      if (IsBlackAt(picture, x, y)) return y;
    }
  }
  return -1;
}

int FirstBlackRow(const Picture& picture, int left, int top, int right) {
  const int last = picture.geometry.top + picture.geometry.height - 1;
  for (int y = top; y <= last; ++y) {
    if (RowAll(picture, y, left, right - 1, IsBlackAt)) return y;
  }
  return -1;
}

int FirstBlackColumn(const Picture& picture, int left, int top, int right, int bottom) {
  if (top >= bottom) return -1;
  for (int x = left; x <= right; ++x) {
    bool all = true;
    for (int y = top; y < bottom && all; ++y) all = IsBlackAt(picture, x, y);
    if (all) return x;
  }
  return -1;
}

int FirstBlackRowInRect(const Picture& picture, int left, int top, int right, int bottom) {
  if (picture.pixels.empty()) return -1;
  for (int y = top; y < bottom; ++y) {
    if (RowAll(picture, y, left, right - 1, IsBlackAt)) return y;
  }
  return -1;
}

}  // namespace scorlet::recognition
