// Shift_JIS (code page 932) conversions: the Win32 functions on Windows, iconv elsewhere.
// A character or byte sequence that cannot be converted becomes "?"; the rest is kept.
#include <string>
#include <string_view>

#include "common/CodePage.h"
#include "common/TextUtil.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace scorlet {

std::string Utf8ToShiftJis(std::string_view utf8);
std::string ShiftJisToUtf8(std::string_view bytes);

#ifdef _WIN32

namespace {

constexpr UINT kShiftJis = 932;

std::wstring Utf8ToBmp(std::string_view utf8) {
  std::wstring wide;
  for (std::size_t i = 0, n = 0; i < utf8.size(); i += n) {
    char32_t code = DecodeUtf8(utf8, i, n);
    // Code page 932 holds nothing beyond the first plane; one "?" stands for such a character
    // (a surrogate pair would otherwise give two).
    if ((code == U'\uFFFD' && n == 1) || code >= 0x10000) code = U'?';
    wide += static_cast<wchar_t>(code);
  }
  return wide;
}

std::string WideToUtf8(const std::wstring& wide) {
  std::string out;
  for (std::size_t i = 0; i < wide.size(); ++i) {
    char32_t code = wide[i];
    bool pair = code >= 0xD800 && code < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
                wide[i + 1] <= 0xDFFF;
    if (pair) code = 0x10000 + ((code - 0xD800) << 10) + (wide[++i] - 0xDC00);
    AppendUtf8(out, code);  // a lone surrogate becomes U+FFFD
  }
  return out;
}

}  // namespace

std::string Utf8ToShiftJis(std::string_view utf8) {
  std::wstring wide = Utf8ToBmp(utf8);
  if (wide.empty()) return "";
  int size = WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                                 nullptr, 0, "?", nullptr);
  if (size <= 0) return std::string(wide.size(), '?');
  std::string bytes(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(kShiftJis, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                      bytes.data(), size, "?", nullptr);
  return bytes;
}

std::string ShiftJisToUtf8(std::string_view bytes) {
  if (bytes.empty()) return "";
  int size = MultiByteToWideChar(kShiftJis, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  if (size <= 0) return std::string(bytes.size(), '?');
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(kShiftJis, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(), size);
  return WideToUtf8(wide);
}

#else

namespace {

// Converts with iconv; at a sequence it cannot convert it writes "?" and skips the sequence
// (skip gives its length in bytes at the given position).
template <typename Skip>
std::string Convert(const char* to, const char* from, std::string_view input, Skip skip) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return std::string(input.size(), '?');
  std::string out;
  char buffer[256];
  std::size_t pos = 0;
  while (pos < input.size()) {
    char* in = const_cast<char*>(input.data() + pos);
    std::size_t inLeft = input.size() - pos;
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    int error = errno;
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    pos = input.size() - inLeft;
    if (result != static_cast<std::size_t>(-1) || error == E2BIG) continue;
    out += '?';  // EILSEQ: not convertible here; EINVAL: cut off at the end
    pos += error == EINVAL ? inLeft : skip(input, pos);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

std::size_t Utf8CharLength(std::string_view text, std::size_t pos) {
  std::size_t length = 1;
  DecodeUtf8(text, pos, length);
  return length;
}

std::size_t OneByte(std::string_view, std::size_t) { return 1; }

}  // namespace

std::string Utf8ToShiftJis(std::string_view utf8) { return Convert("CP932", "UTF-8", utf8, Utf8CharLength); }

std::string ShiftJisToUtf8(std::string_view bytes) { return Convert("UTF-8", "CP932", bytes, OneByte); }

#endif

}  // namespace scorlet
