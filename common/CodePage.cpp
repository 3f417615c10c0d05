#include "common/CodePage.h"

#include <fstream>
#include <iterator>

#include "common/SafeFile.h"
#include "common/TextUtil.h"

namespace scorlet {

// Shift_JIS conversions by the platform (CodePageJapanese.cpp).
std::string Utf8ToShiftJis(std::string_view utf8);
std::string ShiftJisToUtf8(std::string_view bytes);

namespace {

// Windows-1252 bytes 0x80..0x9F; the five unassigned bytes map to the C1 control of the same
// number, as Windows does, so that every byte survives a round trip.
constexpr char16_t kWestern80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char WesternByte(char32_t code) {
  if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
  for (int i = 0; i < 32; ++i) {
    if (kWestern80[i] == code) return static_cast<char>(0x80 + i);
  }
  return '?';
}

std::string Utf8ToWestern(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0, n = 0; i < utf8.size(); i += n) {
    char32_t code = DecodeUtf8(utf8, i, n);
    out += code == U'\uFFFD' ? '?' : WesternByte(code);
  }
  return out;
}

std::string WesternToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (char c : bytes) {
    unsigned char b = static_cast<unsigned char>(c);
    AppendUtf8(out, b >= 0x80 && b < 0xA0 ? kWestern80[b - 0x80] : b);
  }
  return out;
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

std::string ToAnsi(std::string_view utf8, CodePage codePage) {
  return codePage == CodePage::Japanese ? Utf8ToShiftJis(utf8) : Utf8ToWestern(utf8);
}

std::string FromAnsi(std::string_view ansi, CodePage codePage) {
  return codePage == CodePage::Japanese ? ShiftJisToUtf8(ansi) : WesternToUtf8(ansi);
}

int AnsiCharSize(char32_t code, CodePage codePage) {
  if (codePage != CodePage::Japanese || code < 0x80) return 1;
  if (code >= 0xFF61 && code <= 0xFF9F) return 1;  // half-width katakana
  // A character Shift_JIS lacks ("é") is stored as one "?", so it is a single byte too.
  std::string utf8;
  AppendUtf8(utf8, code);
  return ToAnsi(utf8, codePage).size() == 2 ? 2 : 1;
}

std::string SanitizeUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
    char32_t code = DecodeUtf8(text, i, n);
    if (code == U'\uFFFD' && n == 1) {
      out += '?';
    } else {
      out.append(text.substr(i, n));
    }
  }
  return out;
}

std::vector<std::string> DecodeTextLines(std::string_view bytes, CodePage codePage) {
  bool utf8 = bytes.starts_with(kUtf8Mark);
  if (utf8) bytes.remove_prefix(kUtf8Mark.size());
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    lines.push_back(utf8 ? SanitizeUtf8(line) : FromAnsi(line, codePage));
    // CR LF is one line end, and so is CR CR LF: what a text copied through two line-end
    // conversions carries.
    start = end + 1;
    if (end < bytes.size() && bytes[end] == '\r') {
      if (bytes.substr(end + 1, 2) == "\r\n") {
        start += 2;
      } else if (bytes.substr(end + 1, 1) == "\n") {
        ++start;
      }
    }
  }
  return lines;
}

std::string EncodeTextLines(const std::vector<std::string>& lines, CodePage codePage) {
  std::string bytes;
  for (const std::string& line : lines) bytes += ToAnsi(line, codePage) + "\r\n";
  return bytes;
}

ReadStatus ReadFileBytes(const std::filesystem::path& path, std::string& bytes) {
  bytes.clear();
  std::error_code error;
  auto status = std::filesystem::status(path, error);
  if (status.type() == std::filesystem::file_type::not_found) return ReadStatus::Missing;
  // Only regular files: a folder, a device or a pipe is never read (a pipe could block).
  if (error || status.type() != std::filesystem::file_type::regular) return ReadStatus::Unreadable;
  std::ifstream in(path, std::ios::binary);
  if (!in) return ReadStatus::Unreadable;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) {
    bytes.clear();
    return ReadStatus::Unreadable;
  }
  return ReadStatus::Ok;
}

TextFile ReadTextFile(const std::filesystem::path& path, CodePage codePage) {
  TextFile file;
  std::string bytes;
  file.status = ReadFileBytes(path, bytes);
  if (file.status == ReadStatus::Ok) file.lines = DecodeTextLines(bytes, codePage);
  return file;
}

bool WriteTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                   CodePage codePage) {
  return ReplaceFileSafely(path, EncodeTextLines(lines, codePage));
}

std::filesystem::path Utf8Path(std::string_view utf8) {
  std::string clean = SanitizeUtf8(utf8);
  try {
    return std::filesystem::path(std::u8string(clean.begin(), clean.end()));
  } catch (...) {
    return {};  // cannot happen for valid UTF-8; a path never throws past this module
  }
}

std::string PathToUtf8(const std::filesystem::path& path) {
  try {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
  } catch (...) {
    return "?";  // a Windows name with an unpaired surrogate
  }
}

}  // namespace scorlet
