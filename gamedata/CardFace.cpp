#include "gamedata/CardFace.h"

#include <algorithm>
#include <charconv>

namespace scorlet {

const std::array<std::uint32_t, CardFacePaletteSize> CardFacePalette{
    0x000000, 0xFFFFFF, 0xFF0000, 0xFF00FF, 0x181818, 0x242424,
    0x303030, 0x407CB8, 0x3C3C3C, 0x484848, 0x545454, 0x606060,
    0x6C6C6C, 0x787878, 0x848484, 0x909090, 0x9C9C9C, 0xA8A8A8,
    0xB4B4B4, 0xC0C0C0, 0xCCCCCC, 0xD8D8D8, 0xE4E4E4, 0xFF2828,
    0xFF3A3A, 0xFF4C4C, 0xFF5E5E, 0xFF7070, 0xFF8282, 0xFF9494,
    0xFFA6A6, 0xFFB8B8, 0xFFCACA, 0xFFDCDC, 0xFFEEEE, 0xFF28FF,
    0xFF3AFF, 0xFF4CFF, 0xFF5EFF, 0xFF70FF, 0xFF82FF, 0xFF94FF,
    0xFFA6FF, 0xFFB8FF, 0xFFCAFF, 0xFFDCFF, 0xFFEEFF, 0x2828FF,
    0x0000FF, 0x3A3AFF, 0x4C4CFF, 0x5E5EFF, 0x7070FF, 0x8282FF,
    0x9494FF, 0xA6A6FF, 0xB8B8FF, 0xCACAFF, 0xDCDCFF, 0xEEEEFF,
    0xFFFCE0
};

const std::array<std::array<std::string_view, CardFaceMaxRows>, CardFaceGlyphCount>
    CardFaceGlyphRows{{
    // "2"
    {"1 0*3 4", "0 4 1*2 0 5", "1*4 0 5", "1*4 0", "1*2 6 0 5", "1 7 0 8", "9 0", "0*5 5"},
    // "3"
    {"0*4 1", "1*4 0", "1*2 0*2 1", "1*4 0", "1*4 0", "0 1*3 0", "0*4 1"},
    // "4"
    {"1*3 0 1", "1*2 0*2 1", "1 0 1 0 1", "0 1*2 0 1", "0*5", "1*3 0 1", "1*3 0 1"},
    // "5"
    {"0*5", "0 1*4", "0*4 1", "1*4 0", "1*4 0", "0 1*3 0", "1 0*3 1"},
    // "6"
    {"1 0*3 1", "0 1*4", "0*4 1", "0 1*3 0", "0 1*3 0", "0 1*3 0", "1 0*3 1"},
    // "7"
    {"0*5", "1*4 0", "1*3 0 1", "1*2 0 1*2", "1*2 0 1*2", "1 0 1*3", "1 0 1*3"},
    // "8"
    {"1 0*3 1", "0 1*3 0", "0 1*3 0", "1 0*3 1", "0 1*3 0", "0 1*3 0", "1 0*3 1"},
    // "9"
    {"1 0*3 1", "0 1*3 0", "0 1*3 0", "1 0*4", "1*4 0", "1*3 0 1", "1 0*2 1*2"},
    // "T"
    {"0 1*2 0*2 1", "0 1 0 1*2 0", "0 1 0 1*2 0", "0 1 0 1*2 0", "0 1 0 1*2 0", "0 1 0 1*2 0", "0 1*2 0*2 1"},
    // "J"
    {"1*2 0*3", "1*3 0 1", "1*3 0 1", "1*3 0 1", "1*3 0 1", "0 1*2 0 1", "1 0*2 1*2"},
    // "Q"
    {"1 0*3 1", "0 1*3 0", "0 1*3 0", "0 1*3 0", "0 1 0 1 0", "0 1*2 0 1", "1 0*2 1 0"},
    // "K"
    {"0 1*3 0", "0 1*2 0 1", "0 1 0 1*2", "0*2 1*3", "0 1 0 1*2", "0 1*2 0 1", "0 1*3 0"},
    // "A"
    {"1*2 0 1*2", "1 0 1 0 1", "0 1*3 0", "0 1*3 0", "0*5", "0 1*3 0", "0 1*3 0"},
    // "C"
    {"1 2*3 1", "2*5", "1 2*3 1", "2*5", "2*5", "1*2 2 1*2", "1 2*3 1"},
    // "D"
    {"1*2 3 1*2", "1 3*3 1", "3*5", "3*5", "1 3*3 1", "1*2 3 1*2"},
    // "H"
    {"1 48 1 48 1", "48*5", "48*5", "48*5", "1 48*3 1", "1*2 48 1*2"},
    // "S"
    {"1*2 0 1*2", "1 0*3 1", "0*5", "0*5", "0*5", "1*2 0 1*2", "1 0*3 1"},
    // "["
    {"0*2", "0 1", "0 1", "0 1", "0 1", "0 1", "0*2"},
    // "]"
    {"0*2", "1 0", "1 0", "1 0", "1 0", "1 0", "0*2"},
    // "("
    {"1 0", "0 1", "0 1", "0 1", "0 1", "0 1", "1 0"},
    // ")"
    {"0 1", "1 0", "1 0", "1 0", "1 0", "1 0", "0 1"},
}};

namespace {

constexpr int MaxRowPixels = 64;

int ReadNumber(std::string_view text, int fallback) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc{} || end != text.data() + text.size()) return fallback;
  return value;
}

}  // namespace

std::vector<int> ParseCardFaceRow(std::string_view row) {
  std::vector<int> pixels;
  std::size_t pos = 0;
  while (pos < row.size()) {
    while (pos < row.size() && row[pos] == ' ') ++pos;
    const std::size_t end = std::min(row.find(' ', pos), row.size());
    if (end == pos) break;
    const std::string_view item = row.substr(pos, end - pos);
    pos = end;
    const std::size_t star = item.find('*');
    int colour = ReadNumber(item.substr(0, star), CardFacePaper);
    if (colour < 0 || colour >= CardFacePaletteSize) colour = CardFacePaper;
    int count = star == std::string_view::npos ? 1 : ReadNumber(item.substr(star + 1), 0);
    count = std::clamp(count, 0, MaxRowPixels - static_cast<int>(pixels.size()));
    pixels.insert(pixels.end(), static_cast<std::size_t>(count), colour);
  }
  return pixels;
}

}  // namespace scorlet
