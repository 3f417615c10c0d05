#include "platform/virtual/TextRaster.h"

#include "common/TextUtil.h"

#include <algorithm>
#include <cmath>

namespace scorlet {

namespace {

double PixelSize(const Font& font)
{
    return std::max(1, font.size) * 96.0 / 72.0;
}

// A 3 x 5 pattern per character, taken from the bits of a small hash of its code point; the
// middle column is always inked so that no glyph is empty.
uint32_t GlyphPattern(char32_t cp)
{
    uint32_t h = static_cast<uint32_t>(cp) * 2654435761u;
    h ^= h >> 13;
    return (h & 0x7FFF) | 0x2492; // bit 1 of every row: the middle column
}

void DrawGlyph(Image& image, Rect cell, char32_t cp, Color color)
{
    const uint32_t pattern = GlyphPattern(cp);
    const int w = std::max(1, cell.width() - 1);
    const int h = std::max(1, cell.height());
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (!(pattern & (1u << (row * 3 + col))))
                continue;
            const Rect dot{cell.left + col * w / 3, cell.top + row * h / 5, cell.left + (col + 1) * w / 3,
                           cell.top + (row + 1) * h / 5};
            FillClipped(image, dot, color);
        }
    }
}

// The virtual fonts draw a character full-width when Shift_JIS stores it in two bytes.
bool FullWidth(char32_t cp)
{
    return AnsiCharSize(cp, CodePage::Japanese) == 2;
}

} // namespace

int CharWidth(const Font& font, bool doubleByte)
{
    const int single = std::max(2, static_cast<int>(std::lround(PixelSize(font) * 0.55))) + (font.bold ? 1 : 0);
    return doubleByte ? 2 * single : single;
}

int TextWidth(const std::string& text, const Font& font)
{
    int width = 0;
    for (size_t pos = 0, length = 0; pos < text.size(); pos += length)
        width += CharWidth(font, FullWidth(DecodeUtf8(text, pos, length)));
    return width;
}

int TextHeight(const Font& font)
{
    return static_cast<int>(std::lround(PixelSize(font) * 1.2));
}

void RasterText(Image& image, Point at, const std::string& text, const Font& font, Color color)
{
    const int height = TextHeight(font);
    // Glyph body: below a small top gap, above the descender.
    const int top = at.y + height / 6;
    const int bottom = at.y + height - height / 5;
    int x = at.x;
    for (size_t pos = 0, length = 0; pos < text.size(); pos += length) {
        const char32_t cp = DecodeUtf8(text, pos, length);
        const int w = CharWidth(font, FullWidth(cp));
        if (cp != U' ')
            DrawGlyph(image, {x, top, x + w, bottom}, cp, color);
        x += w;
    }
}

void FillClipped(Image& image, const Rect& rect, Color color)
{
    const int left = std::max(rect.left, 0);
    const int right = std::min(rect.right, image.width);
    const int top = std::max(rect.top, 0);
    const int bottom = std::min(rect.bottom, image.height);
    for (int y = top; y < bottom; ++y)
        std::fill_n(image.pixels.begin() + static_cast<size_t>(y) * image.width + left, std::max(0, right - left), color);
}

void BlitClipped(Image& image, Point at, const Image& from, const Rect& source)
{
    const int left = std::max(source.left, 0);
    const int top = std::max(source.top, 0);
    const int right = std::min(source.right, from.width);
    const int bottom = std::min(source.bottom, from.height);
    // Columns of the source whose destination lies inside the image, copied row by row.
    const int fromX = std::max(left, source.left - at.x);
    const int toX = std::min(right, image.width + source.left - at.x);
    if (fromX >= toX)
        return;
    for (int sy = top; sy < bottom; ++sy) {
        const int dy = at.y + sy - source.top;
        if (dy < 0 || dy >= image.height)
            continue;
        const auto row = from.pixels.begin() + static_cast<std::ptrdiff_t>(sy) * from.width;
        std::copy(row + fromX, row + toX,
                  image.pixels.begin() + static_cast<std::ptrdiff_t>(dy) * image.width + (at.x + fromX - source.left));
    }
}

void OutlineClipped(Image& image, const Rect& rect, Color color)
{
    FillClipped(image, {rect.left, rect.top, rect.right, rect.top + 1}, color);
    FillClipped(image, {rect.left, rect.bottom - 1, rect.right, rect.bottom}, color);
    FillClipped(image, {rect.left, rect.top, rect.left + 1, rect.bottom}, color);
    FillClipped(image, {rect.right - 1, rect.top, rect.right, rect.bottom}, color);
}

} // namespace scorlet
