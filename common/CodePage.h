// The system's ANSI code page and the conversions between it and the UTF-8 text held in memory.
// Files of both programs are stored in the ANSI code page with CR LF line ends.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace scorlet {

enum class CodePage : std::uint16_t {
  Western = 1252,   // Windows-1252
  Japanese = 932,   // Shift_JIS (Windows code page 932)
};

// The code page for the number the system reports (932 is Shift_JIS, anything else is taken as
// Windows-1252).
constexpr CodePage CodePageOf(int ansiCodePage) {
  return ansiCodePage == static_cast<int>(CodePage::Japanese) ? CodePage::Japanese : CodePage::Western;
}

// UTF-8 -> ANSI bytes. A character the code page cannot hold becomes "?"; the rest is kept.
std::string ToAnsi(std::string_view utf8, CodePage codePage);

// ANSI bytes -> UTF-8. A byte sequence that is not valid in the code page becomes "?".
std::string FromAnsi(std::string_view ansi, CodePage codePage);

// Bytes a character takes in the code page: 2 for the double-byte characters (under 932 those
// Shift_JIS writes in two bytes; under 1252 none), otherwise 1; a character the code page lacks
// is written as "?", one byte.
int AnsiCharSize(char32_t codePoint, CodePage codePage);

// The text with every invalid UTF-8 sequence replaced by "?".
std::string SanitizeUtf8(std::string_view text);

enum class ReadStatus {
  Ok,          // the file was read
  Missing,     // no file of that name
  Unreadable,  // it exists but could not be opened or read (a folder, no permission, I/O error)
};

struct TextFile {
  ReadStatus status = ReadStatus::Missing;
  std::vector<std::string> lines;  // UTF-8, without line ends
};

// Splits file bytes into lines (CR LF, CR CR LF, LF or CR end a line; a last line without an end is a
// line) and decodes each from the code page. A file starting with a UTF-8 byte-order mark is
// taken as UTF-8, whatever the code page.
std::vector<std::string> DecodeTextLines(std::string_view bytes, CodePage codePage);

// The file's bytes for the lines: each converted to the code page and ended by CR LF.
std::string EncodeTextLines(const std::vector<std::string>& lines, CodePage codePage);

TextFile ReadTextFile(const std::filesystem::path& path, CodePage codePage);

// Replaces the file safely (see SafeFile.h). True on success.
bool WriteTextFile(const std::filesystem::path& path, const std::vector<std::string>& lines,
                   CodePage codePage);

// Whole file as bytes; status as for ReadTextFile.
ReadStatus ReadFileBytes(const std::filesystem::path& path, std::string& bytes);

// File names are UTF-8 in memory; these convert to and from the native path form
// (on Windows a path built from a plain std::string would be taken as ANSI).
std::filesystem::path Utf8Path(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

}  // namespace scorlet
