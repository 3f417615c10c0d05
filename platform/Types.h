#pragma once
// Small value types shared by the Desktop and Forms interfaces. No operating-system headers here:
// the numbers are the Win32 ones, so the win32 layer passes them through unchanged.

#include <cstdint>
#include <string>
#include <vector>

namespace scorlet {

// A top-level window on the desktop, as an opaque 32-bit value; 0 means "no window".
using WindowHandle = uint32_t;

// A 24-bit colour with red in the low byte (0x00BBGGRR), the form the configuration file uses.
using Color = uint32_t;

constexpr Color Rgb(int red, int green, int blue)
{
    return static_cast<Color>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16));
}
constexpr int RedByte(Color c) { return static_cast<int>(c & 0xFF); }
constexpr int GreenByte(Color c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueByte(Color c) { return static_cast<int>((c >> 16) & 0xFF); }

namespace Colors {
constexpr Color Black = Rgb(0, 0, 0);
constexpr Color White = Rgb(255, 255, 255);
constexpr Color Red = Rgb(255, 0, 0);
constexpr Color Blue = Rgb(0, 0, 255);
constexpr Color ButtonFace = Rgb(212, 208, 200);
} // namespace Colors

// The 16-bit 5-5-5 value a 24-bit screen colour reads as (components truncated, not rounded).
constexpr uint16_t To555(Color c)
{
    return static_cast<uint16_t>(((RedByte(c) >> 3) << 10) | ((GreenByte(c) >> 3) << 5) | (BlueByte(c) >> 3));
}

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

// Edges as Win32 has them: right and bottom are one past the last pixel.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool empty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    Rect movedTo(int x, int y) const { return {x, y, x + width(), y + height()}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// Window style bits (the values of GetWindowLong GWL_STYLE).
namespace WindowStyle {
constexpr uint32_t Overlapped = 0x00000000;
constexpr uint32_t Popup = 0x80000000;
constexpr uint32_t Child = 0x40000000;
constexpr uint32_t Minimize = 0x20000000;
constexpr uint32_t Visible = 0x10000000;
constexpr uint32_t Disabled = 0x08000000;
constexpr uint32_t Maximize = 0x01000000;
constexpr uint32_t Caption = 0x00C00000; // Border | DlgFrame
constexpr uint32_t Border = 0x00800000;
constexpr uint32_t DlgFrame = 0x00400000;
constexpr uint32_t SysMenu = 0x00080000;
constexpr uint32_t ThickFrame = 0x00040000;
constexpr uint32_t MinimizeBox = 0x00020000;
constexpr uint32_t MaximizeBox = 0x00010000;
constexpr uint32_t OverlappedWindow = Caption | SysMenu | ThickFrame | MinimizeBox | MaximizeBox;
} // namespace WindowStyle

// Show commands (the SW_ numbers of ShowWindow).
namespace ShowCommand {
constexpr int Hide = 0;
constexpr int ShowNormal = 1;
constexpr int ShowMinimized = 2;
constexpr int Maximize = 3;
constexpr int ShowNoActivate = 4;
constexpr int Show = 5;
constexpr int Minimize = 6;
constexpr int ShowMinNoActive = 7;
constexpr int ShowNA = 8;
constexpr int Restore = 9;
} // namespace ShowCommand

// Platform ids of the operating-system version record.
namespace PlatformId {
constexpr int Windows9x = 1;
constexpr int WindowsNT = 2;
} // namespace PlatformId

// Where a minimised top-level window is parked.
constexpr int MinimizedPosition = -32000;

// A block of 24-bit pixels, rows top-down; the unit of painting and of block copies.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels; // width * height, row-major, top row first

    Image() = default;
    Image(int w, int h, Color fill = Colors::Black)
        : width(w > 0 ? w : 0), height(h > 0 ? h : 0), pixels(static_cast<size_t>(width) * height, fill) {}
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Color at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    void set(int x, int y, Color c) { pixels[static_cast<size_t>(y) * width + x] = c; }
};

// A font by face name, size in points and weight.
struct Font {
    std::string name = "MS Sans Serif";
    int size = 8;
    bool bold = false;
    friend bool operator==(const Font&, const Font&) = default;
};

// Virtual-key codes the programs react to.
namespace Key {
constexpr int Escape = 27;
constexpr int Return = 13;
constexpr int Delete = 46;
constexpr int C = 'C';
constexpr int S = 'S';
} // namespace Key

// Mouse buttons as event arguments carry them (left 1, right 2, middle 4).
namespace MouseButton {
constexpr int Left = 1;
constexpr int Right = 2;
constexpr int Middle = 4;
} // namespace MouseButton

struct MouseEvent {
    int button = MouseButton::Left;
    bool shift = false;
    bool ctrl = false;
    int x = 0; // in the receiving control's (or window's client) coordinates
    int y = 0;
};

struct KeyEvent {
    int keyCode = 0;
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

} // namespace scorlet
