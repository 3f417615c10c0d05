// Small text operations shared by both programs. Text is UTF-8 in memory.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/CodePage.h"

namespace scorlet {

// Spaces and tabs removed at both ends / at the left / at the right.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// Letters of the ANSI code pages (ASCII, Latin-1 and the Windows-1252 extras, Greek, Cyrillic,
// full-width Latin) lowered / raised; other characters unchanged.
std::string LowerText(std::string_view text);
std::string UpperText(std::string_view text);
bool ContainsNoCase(std::string_view text, std::string_view part);

// Leading-number rule: skip leading blanks, take the longest prefix that forms a decimal
// number ("12)" reads 12, "2.5s" 2.5, "abc" 0).
double LeadingNumber(std::string_view text);
// LeadingNumber rounded to the nearest integer and kept within the int range.
int LeadingInt(std::string_view text);

// Next field of rest: rest is trimmed; the field ends at the first "," or, when there is none,
// at the first space. Returns the field (not trimmed on the right); rest becomes the text after
// the separator without leading blanks. With neither separator the field is the whole rest.
std::string NextToken(std::string& rest);
// NextToken read as a number (LeadingInt).
int ValToken(std::string& rest);
// The first count fields of one line, taken with NextToken (missing fields are empty).
std::vector<std::string> ReadTokens(std::string_view line, std::size_t count);

std::string NumText(long long number);
std::string Pad2(long long number);  // 7 -> "07"

// Value in double quotes: the text after the first double quote up to the next one (or the
// end). A text without double quotes is returned unchanged.
std::string StripQuotes(std::string_view text);
// StripQuotes of the trimmed text.
std::string Unquote(std::string_view text);
// Trimmed, then leading and trailing "?" (unreadable glyphs) removed.
std::string TrimQuestionMarks(std::string_view text);

// "Double-byte" characters are those that take two bytes in the ANSI code page.
int DisplayLength(std::string_view text, CodePage codePage);
bool HasWideChars(std::string_view text, CodePage codePage);
bool IsWideChar(std::string_view text, CodePage codePage);

// Order of texts or of ranks within a suit; the numbers are those stored in the settings.
enum class SortOrder : std::uint8_t { Descending = 0, Ascending = 1 };
// The list up to its first empty entry, sorted by bytes; stable for equal texts.
std::vector<std::string> SortIndex(const std::vector<std::string>& list, SortOrder order);

// A path in readable mixed case: "C:\PROGRAM FILES\SCORLETS" -> "C:\Program Files\ScorletS".
std::string PrettyPath(std::string_view path);

// A program folder the programs refuse to run from: inside an archive or a temporary or system
// folder (".ZIP", "TMP", "TEMP" or "WINDOWS" anywhere in the path, any case).
bool IsArchiveOrTempFolder(std::string_view path);

// Trimmed, case-insensitive: the shorter name (not empty) begins the longer.
bool NamesMatch(std::string_view a, std::string_view b);

// Entity names of the character codes 128 to 255 (index 0 = code 128).
const std::array<std::string, 128>& EntityNames();

// Appends the character codes of a text with entities ("a&amp;b" -> 97, 38, 98).
void TextToCodes(std::vector<int>& codes, std::string_view text);

// A window position in screen pixels. x == 0 means the window is not used; (-100, -100) lets
// the window place itself next to the game's table window.
struct WindowPos {
  int x = 0;
  int y = 0;
  bool used() const { return x != 0; }
  bool operator==(const WindowPos&) const = default;
};
inline constexpr int kBesideTable = -100;

// Reads "(x,y)" or "(*,...)" into pos; a text without "(" leaves pos unchanged.
void ReadPosition(std::string_view text, WindowPos& pos);

// UTF-8 helpers: the code point starting at text[pos] and its length in bytes; an invalid
// sequence gives U+FFFD with length 1.
char32_t DecodeUtf8(std::string_view text, std::size_t pos, std::size_t& length);
void AppendUtf8(std::string& out, char32_t codePoint);
// Characters, not bytes, of a UTF-8 text; each byte of an invalid sequence counts as one.
std::size_t CharCount(std::string_view text);
// Byte length of the last character of the text as DecodeUtf8 reads it (0 for an empty text).
std::size_t LastCharLength(std::string_view text);
// The first `count` characters (not bytes) of a UTF-8 text.
std::string_view FirstChars(std::string_view text, std::size_t count);

}  // namespace scorlet
