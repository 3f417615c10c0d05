// Scoring of one deal and the end of a game (the rule set is described in Rules.h).
#pragma once

#include <array>
#include <cstdint>

#include "tableclient/engine/Rules.h"

namespace scorlet::table {

// The game's score table row: side 1 (North-South) score, side 1 bags, side 2
// (East-West) score, side 2 bags. Same layout as the work files' score rows.
using ScoreLine = std::array<std::int32_t, 4>;

inline constexpr int SideCount = 2;
// Column of a side's score and bag count in a ScoreLine.
inline constexpr int ScoreColumn(int side) { return side * 2; }
inline constexpr int BagColumn(int side) { return side * 2 + 1; }

struct SideDealScore {
  int points = 0;    // before the bag penalty
  int newBags = 0;   // overtricks and tricks taken by Nil bidders
};

// What one partnership scored in a deal: side 0 is North-South (seats 0 and 2),
// side 1 East-West (seats 1 and 3).
SideDealScore ScoreSide(const std::array<Bid, 4>& bids, const std::array<int, 4>& tricks,
                        int side, const TableOptions& options);
// The score table after a deal, from the row before it.
ScoreLine ScoreDeal(const ScoreLine& before, const std::array<Bid, 4>& bids,
                    const std::array<int, 4>& tricks, const TableOptions& options);
// A side has reached the winning score and the scores differ.
bool GameIsOver(const ScoreLine& line, const TableOptions& options);
// 0 or 1 for the side ahead, -1 while the scores are level.
int LeadingSide(const ScoreLine& line);

}  // namespace scorlet::table
