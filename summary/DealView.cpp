#include "summary/DealView.h"

#include "summary/NameFit.h"

namespace scorlet::summary {

SideScore ScoreOf(const HandRecord& record, int row, int team) {
  if (row < 1 || row > record.ScoreRowCount || row > MaxScoreRows || team < 0 || team > 1) {
    return {};
  }
  const ScoreRow& values = record.ScoreRows[row];
  return {values[team * 2], values[team * 2 + 1]};
}

SideScore DealPointsOf(const HandRecord& record, int team) {
  const int last = record.ScoreRowCount;
  const SideScore now = ScoreOf(record, last, team);
  const SideScore before = ScoreOf(record, last - 1, team);
  SideScore points{now.score - before.score, now.bags - before.bags};
  if (points.bags < 0) points.bags += 10;
  return points;
}

bool NilFailed(const HandRecord& record, int seat) {
  return seat >= 0 && seat < 4 && BidKindOf(record.Bids[seat]) != BidOrdinary &&
         record.NilTricks[seat] > 0;
}

bool IsNilWinningCard(const HandRecord& record, int seat, int code) {
  if (!NilFailed(record, seat) || code == 0) return false;
  for (const auto& entry : record.NilWinningCards) {
    if (entry[seat] == code) return true;
  }
  return false;
}

bool IsFirstLeadCard(const HandRecord& record, int seat, int code) {
  return record.FirstLeader >= 0 && record.FirstLeader == seat && code != 0 &&
         record.FirstLeadCard == code;
}

bool GameOver(const HandRecord& record) {
  const int last = record.ScoreRowCount;
  if (last < 1) return false;
  const SideScore first = ScoreOf(record, last, 0);
  const SideScore second = ScoreOf(record, last, 1);
  return (first.score >= 500 || second.score >= 500) && first.score != second.score;
}

DealView MakeDealView(const HandRecord& record, int number, const std::string& displayStem) {
  DealView view{record, number, displayStem, {}};
  for (int seat = 0; seat < 4; ++seat) {
    const double width = TeamOf(seat) == 0 ? kNorthSouthNameWidth : kEastWestNameWidth;
    view.names[seat] = FitName(record.PlayerNames[seat], width);
  }
  return view;
}

}  // namespace scorlet::summary
