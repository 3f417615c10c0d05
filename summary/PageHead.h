// The fixed parts of a summary page: document type, head with its style sheet, and the
// tail with the validator badge.
#pragma once

#include <string_view>

#include "summary/PageOptions.h"
#include "summary/PageText.h"

namespace scorlet::summary {

// Everything up to the generator note after "<body>"; timestamp is the current date and
// time as the note shows it.
void WriteHtmlHead(PageText& page, const PageOptions& options, std::string_view title,
                   std::string_view generator, std::string_view version,
                   std::string_view timestamp);

// The rules of the style sheet, one a line.
void WriteStyleRules(PageText& page, const PageOptions& options);

// The validator badge and the end of the document.
void WriteHtmlTail(PageText& page, const PageOptions& options);

}  // namespace scorlet::summary
