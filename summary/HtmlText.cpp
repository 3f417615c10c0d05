#include "summary/HtmlText.h"

#include <cstdlib>

#include "common/TextUtil.h"

namespace scorlet::summary {

namespace {

// C0 and C1 controls and DEL are outside the HTML document character set.
bool IsControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

}  // namespace

std::string HtmlEscape(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = 1;
    const char32_t c = DecodeUtf8(text, pos, length);
    pos += length;
    switch (c) {
      case U'<': out += "&lt;"; break;
      case U'>': out += "&gt;"; break;
      case U'&': out += "&amp;"; break;
      case U'"': out += "&quot;"; break;
      default:
        if (IsControl(c)) {
          out += '?';
        } else {
          AppendUtf8(out, c);
        }
    }
  }
  return out;
}

std::string Printable(std::string_view text) {
  std::string out;
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t length = 1;
    const char32_t c = DecodeUtf8(text, pos, length);
    pos += length;
    if (IsControl(c)) {
      out += '?';
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

std::string HtmlNumber(long long number) {
  if (number < 0) return "&minus;" + NumText(-number);
  return NumText(number);
}

std::string PadLeft(std::string_view text, std::size_t width) {
  const std::size_t count = CharCount(text);
  std::string out(count < width ? width - count : 0, ' ');
  out += text;
  return out;
}

std::string PadRight(std::string_view text, std::size_t width) {
  const std::size_t count = CharCount(text);
  std::string out(text);
  if (count < width) out.append(width - count, ' ');
  return out;
}

std::string Str4(long long number) { return PadLeft(NumText(number), 4); }

std::string EncodeHtml(std::string_view utf8, bool japanese) {
  if (!japanese) return std::string(utf8);
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    std::size_t run = pos;
    while (run < utf8.size() && static_cast<unsigned char>(utf8[run]) < 0x80) ++run;
    out.append(utf8.substr(pos, run - pos));
    pos = run;
    if (pos >= utf8.size()) break;
    std::size_t length = 1;
    const char32_t c = DecodeUtf8(utf8, pos, length);
    const std::string bytes = ToAnsi(utf8.substr(pos, length), CodePage::Japanese);
    if (bytes == "?") {
      out += "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
    } else {
      out += bytes;
    }
    pos += length;
  }
  return out;
}

std::string EncodePlain(std::string_view utf8, bool japanese) {
  if (!japanese) return std::string(utf8);
  return ToAnsi(utf8, CodePage::Japanese);
}

}  // namespace scorlet::summary
