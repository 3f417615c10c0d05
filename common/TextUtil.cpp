#include "common/TextUtil.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <functional>
#include <utility>

namespace scorlet {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Letter pairs of the ANSI code pages: Latin-1 and the Windows-1252 extras, and, from Shift_JIS,
// Greek, Cyrillic and the full-width Latin letters. Every pair has the same UTF-8 length.
char32_t LowerChar(char32_t c) {
  if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
  if (c == 0x152 || c == 0x160 || c == 0x17D) return c + 1;  // Œ Š Ž
  if (c == 0x178) return 0xFF;                                // Ÿ
  if ((c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F)) return c + 32;
  if (c >= 0x400 && c <= 0x40F) return c + 80;
  if (c >= 0xFF21 && c <= 0xFF3A) return c + 32;
  return c;
}

char32_t UpperChar(char32_t c) {
  if ((c >= U'a' && c <= U'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 32;
  if (c == 0x153 || c == 0x161 || c == 0x17E) return c - 1;
  if (c == 0xFF) return 0x178;
  if ((c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) || (c >= 0x430 && c <= 0x44F)) return c - 32;
  if (c >= 0x450 && c <= 0x45F) return c - 80;
  if (c >= 0xFF41 && c <= 0xFF5A) return c - 32;
  return c;
}

// Letters changed, everything else (an invalid byte too) kept as it is.
std::string ChangeCase(std::string_view text, bool toLower) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
    char32_t c = DecodeUtf8(text, i, n);
    char32_t changed = toLower ? LowerChar(c) : UpperChar(c);
    if (changed == c) {
      out.append(text.substr(i, n));
    } else {
      AppendUtf8(out, changed);
    }
  }
  return out;
}

// Byte position of part in text, letters compared without case (both keep their length when
// lowered, so positions carry over).
std::size_t FindNoCase(std::string_view text, std::string_view part) {
  return LowerText(text).find(LowerText(part));
}

}  // namespace

std::string TrimLeft(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size() && IsBlank(text[start])) ++start;
  return std::string(text.substr(start));
}

std::string TrimRight(std::string_view text) {
  std::size_t end = text.size();
  while (end > 0 && IsBlank(text[end - 1])) --end;
  return std::string(text.substr(0, end));
}

std::string Trim(std::string_view text) { return TrimLeft(TrimRight(text)); }

std::string LowerText(std::string_view text) { return ChangeCase(text, true); }
std::string UpperText(std::string_view text) { return ChangeCase(text, false); }

bool ContainsNoCase(std::string_view text, std::string_view part) {
  return FindNoCase(text, part) != std::string::npos;
}

double LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  // Only digits or a point followed by a digit start a number ("inf" and "nan" do not).
  bool startsNumber = i < text.size() &&
                      (IsDigit(text[i]) || (text[i] == '.' && i + 1 < text.size() && IsDigit(text[i + 1])));
  if (!startsNumber) return 0.0;
  double value = 0.0;
  auto [end, error] = std::from_chars(text.data() + i, text.data() + text.size(), value);
  (void)end;
  if (error != std::errc()) return 0.0;
  return negative ? -value : value;
}

int LeadingInt(std::string_view text) {
  double value = std::round(LeadingNumber(text));
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

std::string NextToken(std::string& rest) {
  rest = Trim(rest);
  std::size_t end = rest.find(',');
  if (end == std::string::npos) end = rest.find(' ');
  if (end == std::string::npos) return std::exchange(rest, std::string());
  std::string item = rest.substr(0, end);
  rest = TrimLeft(std::string_view(rest).substr(end + 1));
  return item;
}

int ValToken(std::string& rest) { return LeadingInt(NextToken(rest)); }

std::vector<std::string> ReadTokens(std::string_view line, std::size_t count) {
  std::vector<std::string> fields;
  std::string rest(line);
  for (std::size_t i = 0; i < count; ++i) fields.push_back(NextToken(rest));
  return fields;
}

std::string NumText(long long number) { return std::to_string(number); }

std::string Pad2(long long number) {
  std::string text = NumText(number);
  if (number >= 0 && number < 10) text.insert(text.begin(), '0');
  return text;
}

std::string StripQuotes(std::string_view text) {
  std::size_t open = text.find('"');
  if (open == std::string_view::npos) return std::string(text);
  std::string_view inside = text.substr(open + 1);
  return std::string(inside.substr(0, inside.find('"')));
}

std::string Unquote(std::string_view text) { return StripQuotes(Trim(text)); }

std::string TrimQuestionMarks(std::string_view text) {
  std::string trimmed = Trim(text);
  std::size_t start = trimmed.find_first_not_of('?');
  if (start == std::string::npos) return "";
  return trimmed.substr(start, trimmed.find_last_not_of('?') - start + 1);
}

int DisplayLength(std::string_view text, CodePage codePage) {
  // One column per byte of the text as the code page stores it.
  return static_cast<int>(ToAnsi(text, codePage).size());
}

bool HasWideChars(std::string_view text, CodePage codePage) {
  for (std::size_t i = 0, n = 0; i < text.size(); i += n) {
    if (AnsiCharSize(DecodeUtf8(text, i, n), codePage) == 2) return true;
  }
  return false;
}

bool IsWideChar(std::string_view text, CodePage codePage) {
  std::size_t n = 0;
  return !text.empty() && AnsiCharSize(DecodeUtf8(text, 0, n), codePage) == 2;
}

std::vector<std::string> SortIndex(const std::vector<std::string>& list, SortOrder order) {
  auto firstEmpty = std::find(list.begin(), list.end(), std::string());
  std::vector<std::string> sorted(list.begin(), firstEmpty);
  std::stable_sort(sorted.begin(), sorted.end(), std::greater<>());
  if (order == SortOrder::Ascending) std::reverse(sorted.begin(), sorted.end());
  return sorted;
}

std::string PrettyPath(std::string_view path) {
  // Each character is upper case after a separator (and at the start), lower case elsewhere.
  std::string out;
  char32_t previous = U' ';
  for (std::size_t i = 0, n = 0; i < path.size(); i += n) {
    char32_t c = DecodeUtf8(path, i, n);
    bool afterSeparator = std::u32string_view(U" :/\\_.").find(previous) != std::u32string_view::npos;
    out += afterSeparator ? UpperText(path.substr(i, n)) : LowerText(path.substr(i, n));
    previous = c;
  }
  if (std::size_t doc = out.find("doc"); doc != std::string::npos) out[doc] = 'D';
  if (std::size_t ibm = FindNoCase(out, "ibm"); ibm != std::string::npos) out.replace(ibm, 3, "IBM");
  if (std::size_t name = FindNoCase(out, "scorlets"); name != std::string::npos) out.replace(name, 8, "ScorletS");
  if (std::size_t zip = FindNoCase(out, ".zip"); zip != std::string::npos) out.resize(zip + 4);
  return out;
}

bool IsArchiveOrTempFolder(std::string_view path) {
  const std::string upper = UpperText(path);
  for (std::string_view word : {".ZIP", "TMP", "TEMP", "WINDOWS"}) {
    if (upper.find(word) != std::string::npos) return true;
  }
  return false;
}

bool NamesMatch(std::string_view a, std::string_view b) {
  std::string first = LowerText(Trim(a));
  std::string second = LowerText(Trim(b));
  if (first.size() > second.size()) std::swap(first, second);
  return !first.empty() && second.compare(0, first.size(), first) == 0;
}

std::string_view FirstChars(std::string_view text, std::size_t count) {
  std::size_t pos = 0;
  for (std::size_t n = 0; n < count && pos < text.size(); ++n) {
    std::size_t length = 1;
    DecodeUtf8(text, pos, length);
    pos += std::max<std::size_t>(length, 1);
  }
  return text.substr(0, std::min(pos, text.size()));
}

}  // namespace scorlet
