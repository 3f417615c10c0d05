#include "platform/virtual/ImageCanvas.h"

#include "platform/virtual/TextRaster.h"

#include <algorithm>
#include <cstdlib>

namespace scorlet {

ImageCanvas::ImageCanvas(Size size, Color background) : m_image(size.width, size.height, background) {}

void ImageCanvas::drawText(Point at, const std::string& text, const Font& font, Color color)
{
    RasterText(m_image, at, text, font, color);
    m_texts.push_back({at, text, font, color});
}

int ImageCanvas::textWidth(const std::string& text, const Font& font) const
{
    return TextWidth(text, font);
}

int ImageCanvas::textHeight(const Font& font) const
{
    return TextHeight(font);
}

void ImageCanvas::drawLine(Point from, Point to, Color color, int thickness)
{
    const int dx = std::abs(to.x - from.x);
    const int dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1;
    const int sy = from.y < to.y ? 1 : -1;
    const int t = std::max(1, thickness);
    int err = dx + dy;
    Point p = from;
    for (;;) {
        FillClipped(m_image, {p.x - (t - 1) / 2, p.y - (t - 1) / 2, p.x + t / 2 + 1, p.y + t / 2 + 1}, color);
        if (p == to)
            break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            p.x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            p.y += sy;
        }
    }
}

void ImageCanvas::fillRect(const Rect& rect, Color color)
{
    FillClipped(m_image, rect, color);
    forgetTextsUnder(rect);
}

void ImageCanvas::drawImage(Point at, const Image& image, const Rect& source)
{
    BlitClipped(m_image, at, image, source);
}

Image ImageCanvas::readImage(const Rect& area) const
{
    Image out(area.width(), area.height());
    BlitClipped(out, {0, 0}, m_image, area);
    return out;
}

void ImageCanvas::clear(Color color)
{
    std::fill(m_image.pixels.begin(), m_image.pixels.end(), color);
    m_texts.clear();
}

void ImageCanvas::resize(Size size, Color background)
{
    if (size.width == m_image.width && size.height == m_image.height)
        return;
    Image grown(size.width, size.height, background);
    BlitClipped(grown, {0, 0}, m_image, {0, 0, m_image.width, m_image.height});
    m_image = std::move(grown);
}

// A text whose starting point is filled over no longer counts as drawn.
void ImageCanvas::forgetTextsUnder(const Rect& rect)
{
    std::erase_if(m_texts, [&](const DrawnText& t) { return rect.contains(t.at); });
}

} // namespace scorlet
