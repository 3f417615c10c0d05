#include "tableclient/render/Paint.h"

#include <algorithm>

namespace scorlet::table {

void PutPixel(Image& image, int x, int y, Color color) {
  if (image.contains(x, y)) image.set(x, y, color);
}

void FillRect(Image& image, const Rect& rect, Color color) {
  int left = std::max(rect.left, 0);
  int right = std::min(rect.right, image.width);
  int top = std::max(rect.top, 0);
  int bottom = std::min(rect.bottom, image.height);
  if (left >= right) return;
  for (int y = top; y < bottom; ++y)
    std::fill_n(image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width + left, right - left, color);
}

void FrameRect(Image& image, const Rect& rect, Color color) {
  FillRect(image, {rect.left, rect.top, rect.right, rect.top + 1}, color);
  FillRect(image, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
  FillRect(image, {rect.left, rect.top, rect.left + 1, rect.bottom}, color);
  FillRect(image, {rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

void RaisedBox(Image& image, const Rect& rect, Color face) {
  // The light edges are just short of white: pure white is what the companion finds the bid
  // control by.
  constexpr Color Light = Rgb(240, 240, 240);
  FillRect(image, rect, face);
  FillRect(image, {rect.left, rect.top, rect.right, rect.top + 1}, Light);
  FillRect(image, {rect.left, rect.top, rect.left + 1, rect.bottom}, Light);
  FillRect(image, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, Rgb(64, 64, 64));
  FillRect(image, {rect.right - 1, rect.top, rect.right, rect.bottom}, Rgb(64, 64, 64));
}

}  // namespace scorlet::table
