#include "platform/win32/Win32Util.h"
#include "platform/win32/Win32Widgets.h"

#include <windows.h>

#include <algorithm>

namespace scorlet::win32 {

namespace {

// "Symbol" is a symbol-encoded font: its glyphs sit at the codes 0x20-0xFF ("\xA7" is the club).
// The wide-character calls reach them with those code points as they are (the ANSI calls would
// go through the symbol code page, which Wine's Symbol font does not map).
bool IsSymbolFont(const Font& font) { return font.name == "Symbol"; }

class SelectFont {
public:
    SelectFont(HDC dc, HFONT font) : m_dc(dc), m_old(SelectObject(dc, font)) { }
    ~SelectFont() { SelectObject(m_dc, m_old); }
    SelectFont(const SelectFont&) = delete;
    SelectFont& operator=(const SelectFont&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

SIZE Extent(HDC dc, const std::string& text)
{
    SIZE size {0, 0};
    const std::wstring wide = Widen(text);
    GetTextExtentPoint32W(dc, wide.data(), static_cast<int>(wide.size()), &size);
    return size;
}

} // namespace

// --- fonts ---

FontCache::~FontCache()
{
    for (auto& [key, font] : m_fonts)
        DeleteObject(static_cast<HFONT>(font));
}

void* FontCache::get(const Font& font)
{
    const std::string key = font.name + '\n' + std::to_string(font.size) + (font.bold ? "b" : "");
    auto found = m_fonts.find(key);
    if (found != m_fonts.end())
        return found->second;
    HDC screen = GetDC(nullptr);
    const int height = -MulDiv(font.size, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    LOGFONTW request {};
    request.lfHeight = height;
    request.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    request.lfCharSet = IsSymbolFont(font) ? SYMBOL_CHARSET : DEFAULT_CHARSET;
    request.lfQuality = NONANTIALIASED_QUALITY; // crisp glyphs: the pixels are read back by tests
    const std::wstring face = Widen(font.name).substr(0, LF_FACESIZE - 1);
    std::copy(face.begin(), face.end(), request.lfFaceName);
    HFONT made = CreateFontIndirectW(&request);
    m_fonts[key] = made;
    return made;
}

// --- the back buffer ---

BackBuffer::BackBuffer(void* window, FontCache& fonts, Color fill) : m_window(window), m_fonts(fonts)
{
    m_dc = CreateCompatibleDC(nullptr);
    resize({1, 1}, fill);
}

BackBuffer::~BackBuffer()
{
    if (m_oldBitmap)
        SelectObject(static_cast<HDC>(m_dc), static_cast<HGDIOBJ>(m_oldBitmap));
    if (m_bitmap)
        DeleteObject(static_cast<HBITMAP>(m_bitmap));
    if (m_dc)
        DeleteDC(static_cast<HDC>(m_dc));
}

uint32_t* BackBuffer::bits() const
{
    GdiFlush();
    return m_bits;
}

void BackBuffer::resize(Size size, Color fill)
{
    size.width = std::max(size.width, 1);
    size.height = std::max(size.height, 1);
    if (size == m_size)
        return;
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = size.width;
    info.bmiHeader.biHeight = -size.height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* newBits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &newBits, nullptr, 0);
    if (!bitmap)
        return; // keep the old surface: drawing goes on at the old size
    auto* pixels = static_cast<uint32_t*>(newBits);
    std::fill_n(pixels, static_cast<size_t>(size.width) * size.height, DibPixel(fill));
    if (m_bitmap) {
        const uint32_t* old = bits();
        const int w = std::min(size.width, m_size.width);
        for (int y = 0; y < std::min(size.height, m_size.height); ++y)
            std::copy_n(old + static_cast<size_t>(y) * m_size.width, w, pixels + static_cast<size_t>(y) * size.width);
    }
    HGDIOBJ previous = SelectObject(static_cast<HDC>(m_dc), bitmap);
    if (m_bitmap)
        DeleteObject(static_cast<HBITMAP>(m_bitmap));
    else
        m_oldBitmap = previous;
    m_bitmap = bitmap;
    m_bits = pixels;
    m_size = size;
    invalidate();
}

void BackBuffer::paintTo(void* dc, Point from) const
{
    BitBlt(static_cast<HDC>(dc), 0, 0, m_size.width - from.x, m_size.height - from.y, static_cast<HDC>(m_dc), from.x,
           from.y, SRCCOPY);
}

void BackBuffer::invalidate()
{
    if (m_window)
        InvalidateRect(static_cast<HWND>(m_window), nullptr, FALSE);
}

void BackBuffer::drawText(Point at, const std::string& text, const Font& font, Color color)
{
    HDC dc = static_cast<HDC>(m_dc);
    SelectFont select(dc, static_cast<HFONT>(m_fonts.get(font)));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    const std::wstring wide = Widen(text);
    TextOutW(dc, at.x, at.y, wide.data(), static_cast<int>(wide.size()));
    invalidate();
}

int BackBuffer::textWidth(const std::string& text, const Font& font) const
{
    HDC dc = static_cast<HDC>(m_dc);
    SelectFont select(dc, static_cast<HFONT>(m_fonts.get(font)));
    return Extent(dc, text).cx;
}

int BackBuffer::textHeight(const Font& font) const
{
    HDC dc = static_cast<HDC>(m_dc);
    SelectFont select(dc, static_cast<HFONT>(m_fonts.get(font)));
    TEXTMETRICW metrics {};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

void BackBuffer::drawLine(Point from, Point to, Color color, int thickness)
{
    HDC dc = static_cast<HDC>(m_dc);
    HPEN pen = CreatePen(PS_SOLID, std::max(thickness, 1), color);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
    SetPixelV(dc, to.x, to.y, color); // LineTo leaves out the last point; a drawn line includes it
    SelectObject(dc, old);
    DeleteObject(pen);
    invalidate();
}

void BackBuffer::fillRect(const Rect& rect, Color color)
{
    const int left = std::max(rect.left, 0), top = std::max(rect.top, 0);
    const int right = std::min(rect.right, m_size.width), bottom = std::min(rect.bottom, m_size.height);
    uint32_t* pixels = bits();
    for (int y = top; y < bottom; ++y)
        std::fill(pixels + static_cast<size_t>(y) * m_size.width + left,
                  pixels + static_cast<size_t>(y) * m_size.width + std::max(left, right), DibPixel(color));
    invalidate();
}

void BackBuffer::drawImage(Point at, const Image& image, const Rect& source)
{
    uint32_t* pixels = bits();
    for (int y = std::max(source.top, 0); y < std::min(source.bottom, image.height); ++y) {
        const int ty = at.y + y - source.top;
        if (ty < 0 || ty >= m_size.height)
            continue;
        for (int x = std::max(source.left, 0); x < std::min(source.right, image.width); ++x) {
            const int tx = at.x + x - source.left;
            if (tx >= 0 && tx < m_size.width)
                pixels[static_cast<size_t>(ty) * m_size.width + tx] = DibPixel(image.at(x, y));
        }
    }
    invalidate();
}

Image BackBuffer::readImage(const Rect& area) const
{
    Image image(area.width(), area.height());
    const uint32_t* pixels = bits();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            const int sx = area.left + x, sy = area.top + y;
            if (sx >= 0 && sy >= 0 && sx < m_size.width && sy < m_size.height)
                image.set(x, y, ColorOfDib(pixels[static_cast<size_t>(sy) * m_size.width + sx]));
        }
    return image;
}

void BackBuffer::clear(Color color) { fillRect({0, 0, m_size.width, m_size.height}, color); }

} // namespace scorlet::win32
