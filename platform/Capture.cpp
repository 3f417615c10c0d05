#include "platform/Capture.h"

#include "platform/System.h"

namespace scorlet {

namespace {

// Larger captures than this are refused: no screen has them, and the buffer would be huge.
constexpr int64_t MaxCapturePixels = 64LL * 1024 * 1024;
// A window whose left edge lies further right is taken to be off the screen.
constexpr int OffScreenLeft = 1000;

int32_t Fail(CaptureGeometry& record)
{
    record.rowsRead = 0;
    return 0;
}

std::optional<size_t> IndexAt(const CaptureGeometry& record, const PixelBuffer& pixels, int column, int row)
{
    if (column < 0 || column >= record.width || row < 0 || row >= record.height)
        return std::nullopt;
    const size_t index = static_cast<size_t>(row) * record.stride + column;
    if (index >= pixels.size())
        return std::nullopt;
    return index;
}

} // namespace

int32_t CaptureWindow(Desktop& desktop, WindowHandle window, PixelBuffer& pixels, CaptureGeometry& record,
                      Rect& outRect, bool clientOnly, double settleSeconds)
{
    PauseWithEvents(desktop, 0.1);

    Rect rect;
    const bool known = clientOnly ? desktop.clientRect(window, rect) : desktop.windowRect(window, rect);
    if (!known)
        rect = {};
    const int32_t width = rect.width();
    const int32_t height = rect.height();
    if (width <= 0 || height <= 0 || int64_t(width) * height > MaxCapturePixels) {
        record.width = 0;
        record.height = 0;
        return Fail(record);
    }
    record.width = width;
    record.height = height;

    outRect = rect;
    if (outRect.right == 0)
        outRect.right = width;
    if (outRect.bottom == 0)
        outRect.bottom = height;
    if (rect.left > OffScreenLeft)
        return Fail(record);

    // Whole windows are copied from their own corner, so positions are window-relative and the
    // picture holds the whole window wherever it stands; the desktop window's own coordinates are
    // screen coordinates.
    Rect source{0, 0, width, height};
    if (!clientOnly && window == desktop.desktopWindow())
        source = rect;
    const int32_t stride = StrideFor(width);
    PixelBuffer copy(static_cast<size_t>(stride) * height, 0);
    const int rows = desktop.copyPixels(window, clientOnly, source, copy.data(), stride);

    PauseWithEvents(desktop, settleSeconds);

    // Filled only now, so that the record and the buffer describe the same copy even when an
    // event handler captured something else during the pause.
    record.left = source.left;
    record.top = source.top;
    record.right = source.right;
    record.bottom = source.bottom;
    record.width = width;
    record.height = height;
    record.stride = stride;
    record.rowsRead = rows > 0 ? rows : 0;
    pixels = std::move(copy);
    return record.rowsRead;
}

std::optional<size_t> TableIndex(const CaptureGeometry& record, const PixelBuffer& pixels, int x, int y)
{
    return IndexAt(record, pixels, x - record.left, record.bottom - 1 - y);
}

std::optional<size_t> PanelIndex(const CaptureGeometry& record, const PixelBuffer& pixels, int x, int y)
{
    return IndexAt(record, pixels, x - record.left, record.height - 1 - y);
}

std::optional<uint16_t> TablePixel(const CaptureGeometry& record, const PixelBuffer& pixels, int x, int y)
{
    const auto index = TableIndex(record, pixels, x, y);
    return index ? std::optional<uint16_t>(pixels[*index]) : std::nullopt;
}

std::optional<uint16_t> PanelPixel(const CaptureGeometry& record, const PixelBuffer& pixels, int x, int y)
{
    const auto index = PanelIndex(record, pixels, x, y);
    return index ? std::optional<uint16_t>(pixels[*index]) : std::nullopt;
}

} // namespace scorlet
