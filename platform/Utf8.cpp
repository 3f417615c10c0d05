#include "platform/Utf8.h"

#include <algorithm>
#include <array>

namespace scorlet {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// The characters Windows-1252 puts at codes 128 to 159.
constexpr std::array<char32_t, 27> Cp1252Extras = {
    0x0152, 0x0153, 0x0160, 0x0161, 0x0178, 0x017D, 0x017E, 0x0192, 0x02C6,
    0x02DC, 0x2013, 0x2014, 0x2018, 0x2019, 0x201A, 0x201C, 0x201D, 0x201E,
    0x2020, 0x2021, 0x2022, 0x2026, 0x2030, 0x2039, 0x203A, 0x20AC, 0x2122,
};

} // namespace

char32_t NextCodePoint(std::string_view text, size_t& pos)
{
    const auto lead = static_cast<unsigned char>(text[pos]);
    int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    if (length == 1) {
        ++pos;
        return lead;
    }
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return 0xFFFD;
    }
    char32_t cp = lead & (0x7F >> length);
    for (int i = 1; i < length; ++i) {
        const auto c = static_cast<unsigned char>(text[pos + i]);
        if (!IsContinuation(c)) {
            ++pos;
            return 0xFFFD;
        }
        cp = (cp << 6) | (c & 0x3F);
    }
    pos += length;
    return cp;
}

size_t LastCharLength(std::string_view text)
{
    if (text.empty())
        return 0;
    size_t start = text.size() - 1;
    while (start > 0 && text.size() - start < 4 && IsContinuation(static_cast<unsigned char>(text[start])))
        --start;
    size_t pos = start;
    NextCodePoint(text, pos);
    // A broken sequence: drop one byte only.
    return pos == text.size() ? text.size() - start : 1;
}

bool IsDoubleByteChar(char32_t cp)
{
    if (cp <= 0xFF)
        return false;
    if (cp >= 0xFF61 && cp <= 0xFF9F) // half-width katakana are single bytes in Shift_JIS
        return false;
    return std::find(Cp1252Extras.begin(), Cp1252Extras.end(), cp) == Cp1252Extras.end();
}

} // namespace scorlet
