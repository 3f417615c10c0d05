// The rating history file: one line per game, newest first, each with the user's rating, the
// date and time, the result, the team scores, the four names and the site's country.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "common/CodePage.h"

namespace scorlet::companion {

inline constexpr std::size_t HistoryLinesKept = 3000;

struct HistoryEntry {
  std::string rating;              // as the rating label shows it ("1523", "prov")
  int year = 0, month = 0, day = 0;
  int hour = 0, minute = 0, second = 0;
  bool gameCompleted = false;      // the result is written after a completed game only
  bool won = false;
  bool japanese = false;
  int teamScore0 = 0;              // North-South, then East-West
  int teamScore1 = 0;
  std::array<std::string, 4> names;  // by seat
  std::string country;             // the game language's country name
};
std::string FormatHistoryLine(const HistoryEntry& entry);

// The rating a history line starts with (0 when it starts with none).
int RatingOfHistoryLine(const std::string& line);

// True when two or more of the names contain "robot" (in any case).
bool RobotsAtTable(const std::array<std::string, 4>& names);

enum class HistoryWrite { Written, Unchanged, Failed };
// Puts `line` first in the history file (created when missing), keeping the newest lines up to
// HistoryLinesKept. A rating of 1000 or more equal to the newest entry's writes nothing. The file
// is replaced safely: a failed write leaves the old history as it was.
HistoryWrite AddHistoryLine(const std::filesystem::path& file, const std::string& line,
                            int ratingValue, CodePage codePage);

}  // namespace scorlet::companion
