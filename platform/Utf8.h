#pragma once
// Walking UTF-8 text character by character, and telling double-byte characters (those that take
// two bytes in an ANSI code page) from single-byte ones.

#include <cstddef>
#include <string_view>

namespace scorlet {

// The code point starting at `pos` and the position after it; invalid bytes count as one
// character each (U+FFFD).
char32_t NextCodePoint(std::string_view text, size_t& pos);

// Byte length of the last character of the text (0 for an empty text).
size_t LastCharLength(std::string_view text);

// True for characters outside the single-byte range of the ANSI code pages (Latin-1 and the
// Windows-1252 additions, half-width katakana).
bool IsDoubleByteChar(char32_t codePoint);

} // namespace scorlet
