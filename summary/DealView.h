// What the page writers read from one recorded deal, beyond the raw hand record.
#pragma once

#include <array>
#include <string>

#include "common/WorkFiles.h"

namespace scorlet::summary {

// A partnership's score and bag count.
struct SideScore {
  long long score = 0;
  long long bags = 0;
};

// The score row of a partnership (0 North-South, 1 East-West); row 0 and rows outside
// the record's table are zeros.
SideScore ScoreOf(const HandRecord& record, int row, int team);

// Points and bags a partnership made in the record's last deal: its last row minus the
// row before; bags that went down had ten removed by the bag penalty.
SideScore DealPointsOf(const HandRecord& record, int team);

// True when the seat bid Nil or Double Nil and took tricks.
bool NilFailed(const HandRecord& record, int seat);

// True when the seat won a trick with this card while bidding Nil or Double Nil.
bool IsNilWinningCard(const HandRecord& record, int seat, int code);

// True when the card is the one that led trick 1.
bool IsFirstLeadCard(const HandRecord& record, int seat, int code);

// True when the last score row shows a side at 500 or more and the scores differ.
bool GameOver(const HandRecord& record);

// One deal as the page shows it.
struct DealView {
  const HandRecord& record;
  int number = 0;                     // deal number on the page, from 1
  std::string displayStem;            // "2009/03/14"
  std::array<std::string, 4> names;   // fitted to their cells, not escaped
};

DealView MakeDealView(const HandRecord& record, int number, const std::string& displayStem);

}  // namespace scorlet::summary
