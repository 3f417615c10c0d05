#include "summary/NameFit.h"

#include <cstdint>
#include <vector>

#include "common/TextUtil.h"
#include "summary/HtmlText.h"

namespace scorlet::summary {

namespace {

// Advance widths of the printable ASCII characters (32..126) of Times New Roman, in
// thousandths of the em.
constexpr short kAsciiWidths[95] = {
    250, 333, 408, 500, 500, 833, 778, 180, 333, 333, 500, 564, 250, 333, 250, 278,  // sp../
    500, 500, 500, 500, 500, 500, 500, 500, 500, 500, 278, 278, 564, 564, 564, 444,  // 0..?
    921, 722, 667, 667, 722, 611, 556, 722, 722, 333, 389, 722, 611, 889, 722, 722,  // @..O
    556, 722, 667, 556, 611, 722, 722, 944, 722, 722, 611, 333, 278, 333, 469, 500,  // P.._
    333, 444, 500, 444, 500, 444, 333, 500, 500, 278, 278, 500, 278, 778, 500, 500,  // `..o
    500, 500, 333, 389, 278, 500, 500, 722, 500, 500, 444, 480, 200, 480, 541,       // p..~
};
constexpr double kEmPixels = 14.0 * 96.0 / 72.0;

int CharWidth(char32_t c) {
  if (c >= 32 && c <= 126) return kAsciiWidths[c - 32];
  if (c < 0x1100) return 500;  // Latin, Greek, Cyrillic: about a lower-case letter
  if (c >= 0xFF61 && c <= 0xFF9F) return 500;  // half-width katakana
  return 1000;  // ideographs, kana, full-width forms
}

}  // namespace

double TextWidth(std::string_view text) {
  long total = 0;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = 1;
    total += CharWidth(DecodeUtf8(text, pos, length));
    pos += length;
  }
  return total * kEmPixels / 1000.0;
}

std::string DropLastChar(std::string_view text) {
  return std::string(text.substr(0, text.size() - LastCharLength(text)));
}

namespace {

// Pixels of a width in thousandths of the em, computed exactly as TextWidth does.
double Pixels(long thousandths) { return thousandths * kEmPixels / 1000.0; }

// The widths of a text's characters in thousandths of the em, and where each ends.
struct CharWidths {
  std::vector<std::uint16_t> widths;
  std::vector<std::size_t> ends;  // byte offset after each character
};

CharWidths MeasureChars(std::string_view text) {
  CharWidths measured;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = 1;
    measured.widths.push_back(static_cast<std::uint16_t>(CharWidth(DecodeUtf8(text, pos, length))));
    pos += length;
    measured.ends.push_back(pos);
  }
  return measured;
}

// The first count characters of the text.
std::string FirstChars(std::string_view text, const CharWidths& measured, std::size_t count) {
  return std::string(text.substr(0, count == 0 ? 0 : measured.ends[count - 1]));
}

}  // namespace

std::string FitName(std::string_view name, double width) {
  // The widths only grow with every character, so the longest prefix narrower than width is
  // the answer: one pass, stopping at the first character that does not fit.
  long total = 0;
  std::size_t end = 0;
  for (std::size_t pos = 0; pos < name.size();) {
    std::size_t length = 1;
    const long next = total + CharWidth(DecodeUtf8(name, pos, length));
    if (Pixels(next) >= width) break;
    total = next;
    pos += length;
    end = pos;
  }
  return std::string(name.substr(0, end));
}

std::array<std::string, 2> AdjNames(const std::array<std::string, 4>& names, int j,
                                    double width) {
  const std::array<std::string_view, 2> pair{names[j & 3], names[(j + 2) & 3]};
  const std::array<CharWidths, 2> measured{MeasureChars(pair[0]), MeasureChars(pair[1])};
  std::array<std::size_t, 2> kept{measured[0].widths.size(), measured[1].widths.size()};
  std::array<long, 2> total{};
  for (int i = 0; i < 2; ++i) {
    for (std::uint16_t w : measured[i].widths) total[i] += w;
  }
  // Drops the last character of the wider one (the second on a tie) while the two together
  // are as wide as width or wider, keeping running totals instead of measuring again.
  while (!(kept[0] == 0 && kept[1] == 0) && Pixels(total[0]) + Pixels(total[1]) >= width) {
    const int longer = Pixels(total[0]) > Pixels(total[1]) ? 0 : 1;
    if (kept[longer] == 0) break;  // cannot happen: an empty name is never the wider
    --kept[longer];
    total[longer] -= measured[longer].widths[kept[longer]];
  }
  return {FirstChars(pair[0], measured[0], kept[0]), FirstChars(pair[1], measured[1], kept[1])};
}

std::array<std::string, 4> ShortenNames(std::array<std::string, 4> names) {
  std::array<std::size_t, 4> counts{};
  std::size_t total = 0;
  for (std::size_t seat = 0; seat < 4; ++seat) {
    counts[seat] = CharCount(names[seat]);
    total += counts[seat];
  }
  while (total >= 33) {
    std::size_t longest = 0;
    for (std::size_t seat = 1; seat < 4; ++seat) {
      if (counts[seat] > counts[longest]) longest = seat;
    }
    --counts[longest];
    --total;
  }
  for (std::size_t seat = 0; seat < 4; ++seat) {
    std::string_view name = names[seat];
    std::size_t pos = 0;
    for (std::size_t c = 0; c < counts[seat] && pos < name.size(); ++c) {
      std::size_t length = 1;
      DecodeUtf8(name, pos, length);
      pos += length;
    }
    names[seat].resize(pos);
  }
  return names;
}

}  // namespace scorlet::summary
