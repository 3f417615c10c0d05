#include "summary/NameFit.h"

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

std::string FitName(std::string_view name, double width) {
  std::string fitted(name);
  while (!fitted.empty() && TextWidth(fitted) >= width) fitted = DropLastChar(fitted);
  return fitted;
}

std::array<std::string, 2> AdjNames(const std::array<std::string, 4>& names, int j,
                                    double width) {
  std::array<std::string, 2> pair{names[j & 3], names[(j + 2) & 3]};
  while (!(pair[0].empty() && pair[1].empty()) &&
         TextWidth(pair[0]) + TextWidth(pair[1]) >= width) {
    const int longer = TextWidth(pair[0]) > TextWidth(pair[1]) ? 0 : 1;
    pair[longer] = DropLastChar(pair[longer]);
  }
  return pair;
}

std::array<std::string, 4> ShortenNames(std::array<std::string, 4> names) {
  auto total = [&names] {
    std::size_t sum = 0;
    for (const std::string& name : names) sum += CharCount(name);
    return sum;
  };
  while (total() >= 33) {
    int longest = 0;
    for (int seat = 1; seat < 4; ++seat) {
      if (CharCount(names[seat]) > CharCount(names[longest])) longest = seat;
    }
    names[longest] = DropLastChar(names[longest]);
  }
  return names;
}

}  // namespace scorlet::summary
