// Text as it goes into the summary pages: escaping of recorded text, numbers with the
// typographic minus, and the bytes of a page in the character set it declares.
#pragma once

#include <string>
#include <string_view>

#include "common/CodePage.h"

namespace scorlet::summary {

// Recorded text (names, bids) as HTML text: "<", ">", "&" and '"' become entities and
// control characters, which no HTML document may hold, become "?".
std::string HtmlEscape(std::string_view text);

// Recorded text for a text page: control characters become "?".
std::string Printable(std::string_view text);

// A whole number for a page: a negative one as "&minus;" and its absolute value.
std::string HtmlNumber(long long number);

// Decimal text padded on the left with spaces to four characters.
std::string Str4(long long number);
// Text padded on the left with spaces to width characters (code points).
std::string PadLeft(std::string_view text, std::size_t width);
// Text padded on the right with spaces to width characters (code points).
std::string PadRight(std::string_view text, std::size_t width);

// The bytes of an HTML page held as UTF-8: unchanged for UTF-8; for Shift_JIS every
// character the code page cannot hold is written as a numeric character reference, so
// a name such as "José" survives on a Japanese page.
std::string EncodeHtml(std::string_view utf8, bool japanese);
// The bytes of a text page: UTF-8, or Shift_JIS with "?" for what it cannot hold.
std::string EncodePlain(std::string_view utf8, bool japanese);

}  // namespace scorlet::summary
