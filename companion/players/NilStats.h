// The running record of how Nil and Double Nil bids turned out at the user's tables: the rule
// test of a Nil hand, the counting of one finished deal, and the statistics file (written and
// read in either language, replaced safely, backed up once a day before its first change).
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "common/WorkFiles.h"
#include "companion/record/CounterWindows.h"

namespace scorlet::companion {

// Rows of the counts table that are used.
inline constexpr int NilRowMine = 1, NilRowCover = 2, NilRowSet = 3, NilRowSet4 = 4,
                     NilRowDouble = 6, NilRowFollowing = 51, NilRowViolating = 52;

struct NilCount {
  std::int32_t success = 0;
  std::int32_t failure = 0;
  bool operator==(const NilCount&) const = default;
};

// Indexed by row number 1 to 52 (entry 0 unused).
struct NilCounts {
  std::array<NilCount, 53> rows{};
  NilCount& operator[](int row) { return rows[static_cast<std::size_t>(row)]; }
  const NilCount& operator[](int row) const { return rows[static_cast<std::size_t>(row)]; }
  bool operator==(const NilCounts&) const = default;
};

// The spade count and rule test of one seat's 13 cards: the test is 0 when the hand follows
// the rule of 4 and 8, the rank of the last high spade (queen or better) met, or -1 for a
// three-card suit with two cards of eight or more.
struct NilHandTest {
  int spades = 0;
  int test = 0;
};
NilHandTest NilHandCheck(const std::array<CardCode, TrickCount>& cards);
// The cards seat `seat` played in the record.
std::array<CardCode, TrickCount> SeatCards(const HandRecord& record, int seat);

// The two partnerships' scores from the last score row of the record, the user's side first,
// and the second numbers (the bags) beside them.
TeamScores TeamScoresOfRecord(const HandRecord& record, int userSeat);

// What is known of the table when a deal is counted.
struct NilTable {
  bool userKnown = false;  // the user's own ID was found at the table
  std::array<int, 4> seatAt{0, 1, 2, 3};  // the seat at each display position
  bool suicide = false;
  bool doubleNilPass = false;
};

// Adds one finished deal to the counts. False when nothing was counted (no statistics are kept
// at this table, nobody bid Nil, or the score conditions left every Nil out).
bool CountNilDeal(NilCounts& counts, const HandRecord& record, const TeamScores& scores,
                  const NilTable& table);

// "    1234" cut to its last (width + 1) characters.
std::string PadCount(std::int64_t count, int width);
// The width of the counts in the file: the digits of the largest number written.
int NilCountWidth(const NilCounts& counts);

// The lines of the statistics file (UTF-8) for the counts, in English or Japanese.
std::vector<std::string> NilStatLines(const NilCounts& counts, bool japanese, const std::tm& now);
// The counts read back from the lines of a statistics file in either language.
NilCounts ReadNilStatLines(const std::vector<std::string>& lines);

std::filesystem::path NilStatFileName(bool japanese);
std::filesystem::path NilStatBackupName(bool japanese);

enum class NilStatStatus { NotCounted = 0, Written = 1, WriteFailed = 2 };

// Counts one recorded deal into the statistics file in `folder`: reads the file, copies it to
// the backup when this is the first change of the day, adds the deal and replaces the file.
// Called once per deal, when the deal is recorded; loading a stored deal never counts it again.
NilStatStatus NilStatsUpdate(const std::filesystem::path& folder, bool japanese,
                             const HandRecord& record, const TeamScores& scores,
                             const NilTable& table, const std::tm& now);

}  // namespace scorlet::companion
