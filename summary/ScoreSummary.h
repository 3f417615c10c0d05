// The score table at the top of a page, and putting it there once the page is complete.
#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/WorkFiles.h"
#include "summary/PageOptions.h"
#include "summary/PageText.h"

namespace scorlet::summary {

// The numbers of a page's score table: the score before the page's first deal (only when
// that deal did not start the game) and, per deal, the score row its work file ended with.
struct PageScores {
  std::optional<ScoreRow> before;
  std::vector<std::optional<ScoreRow>> deals;  // empty when the work file had no score rows
  std::array<std::string, 4> names;             // the last deal's players, by seat
};

// Adds a deal's row (and, for the page's first deal, the row before it).
void AddDealScore(PageScores& scores, const HandRecord& record);

void WriteHtmlScoreTable(PageText& page, const PageScores& scores, const std::string& displayStem,
                         const PageOptions& options);
void WriteTextScoreTable(PageText& page, const PageScores& scores, const std::string& displayStem,
                         const PageOptions& options);

}  // namespace scorlet::summary
