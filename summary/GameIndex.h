// The index of all summary pages in the output folder, "index.htm": one row per page,
// newest first, with its day, the game's number that day, the players, the final scores,
// the winner and the number of deals.
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

inline constexpr std::string_view kIndexFile = "index.htm";
inline constexpr std::string_view kPlayersFile = "players.htm";

// What the index shows of one page.
struct GameSummary {
  std::string page;                     // "2009_03_140A.htm"
  std::array<std::string, 4> names;     // the last deal's players, by seat
  std::optional<ScoreRow> final;        // the score after the last deal
  int deals = 0;
};

// 0 North-South, 1 East-West, -1 while the game is not over (no side at 500 or more, or
// both sides level).
int WinnerOf(const std::optional<ScoreRow>& final);

// A summary page's name: its stem ("2009_03_14") and its place among the pages of that
// stem (0 for the bare stem, k + 1 for stem + k + "A"); nothing for any other file name.
struct PageName {
  std::string stem;
  long long order = 0;
};
std::optional<PageName> ParsePageName(std::string_view fileName);

// What a page in the folder shows (the last deal's names as the page fitted them); for pages
// written by earlier runs. Nothing when the file cannot be read.
std::optional<GameSummary> ReadPageSummary(const std::filesystem::path& page);

struct IndexRow {
  GameSummary game;
  std::string day;  // "2009/03/14"
  int number = 0;   // the game's number that day, from 1
};

// One row per summary page of the folder, newest first; the pages of this run are taken as
// written, the others are read.
std::vector<IndexRow> IndexRows(const std::filesystem::path& folder,
                                const std::vector<GameSummary>& written);

void WriteIndexHtml(PageText& page, const std::vector<IndexRow>& rows,
                    const PageOptions& options, const std::string& timestamp);

}  // namespace scorlet::summary
