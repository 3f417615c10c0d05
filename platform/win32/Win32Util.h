#pragma once
// Small conversions shared by the Win32 implementation files. Private to platform/win32 and free
// of <windows.h>, like every header here.

#include "platform/Types.h"

#include <string>
#include <string_view>

namespace scorlet::win32 {

// Window handles are 32-bit values on every Windows (64-bit handles are sign-extended 32-bit
// numbers, so the value survives a round trip).
inline void* HwndOf(WindowHandle window)
{
    return reinterpret_cast<void*>(static_cast<intptr_t>(static_cast<int32_t>(window)));
}
inline WindowHandle HandleOf(const void* hwnd) { return static_cast<WindowHandle>(reinterpret_cast<uintptr_t>(hwnd)); }

// UTF-8 <-> UTF-16 for the wide-character API; invalid input becomes U+FFFD.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view wide);
// Bytes of the ANSI code page (what the "A" functions return) -> UTF-8.
std::string AnsiToUtf8(std::string_view ansi);

// A 0x00BBGGRR colour as the 0x00RRGGBB pixel of a 32-bit DIB, and back.
constexpr uint32_t DibPixel(Color c)
{
    return static_cast<uint32_t>((RedByte(c) << 16) | (GreenByte(c) << 8) | BlueByte(c));
}
constexpr Color ColorOfDib(uint32_t p) { return Rgb((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF); }

} // namespace scorlet::win32
