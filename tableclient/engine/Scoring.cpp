#include "tableclient/engine/Scoring.h"

namespace scorlet::table {

namespace {

int NilScore(const Bid& bid, int tricks, const TableOptions& options) {
  int value = bid.kind == BidKind::DoubleNil ? options.doubleNilValue : options.nilValue;
  return tricks == 0 ? value : -value;
}

}  // namespace

SideDealScore ScoreSide(const std::array<Bid, 4>& bids, const std::array<int, 4>& tricks,
                        int side, const TableOptions& options) {
  SideDealScore result;
  int contract = 0;
  int contractTricks = 0;
  for (int seat = side; seat < 4; seat += 2) {
    const Bid& bid = bids[static_cast<std::size_t>(seat)];
    int taken = tricks[static_cast<std::size_t>(seat)];
    if (bid.IsNilKind()) {
      result.points += NilScore(bid, taken, options);
      result.newBags += taken;
    } else {
      contract += bid.tricks;
      contractTricks += taken;
    }
  }
  if (contract > 0 && contractTricks >= contract) {
    result.points += 10 * contract;
    result.newBags += contractTricks - contract;
  } else if (contract > 0) {
    result.points -= 10 * contract;
  }
  result.points += result.newBags;
  return result;
}

ScoreLine ScoreDeal(const ScoreLine& before, const std::array<Bid, 4>& bids,
                    const std::array<int, 4>& tricks, const TableOptions& options) {
  ScoreLine after = before;
  for (int side = 0; side < SideCount; ++side) {
    SideDealScore deal = ScoreSide(bids, tricks, side, options);
    auto& score = after[static_cast<std::size_t>(ScoreColumn(side))];
    auto& bags = after[static_cast<std::size_t>(BagColumn(side))];
    score += deal.points;
    bags += deal.newBags;
    while (options.bagLimit > 0 && bags >= options.bagLimit) {
      score -= options.bagPenalty;
      bags -= options.bagLimit;
    }
  }
  return after;
}

bool GameIsOver(const ScoreLine& line, const TableOptions& options) {
  return (line[0] >= options.winningScore || line[2] >= options.winningScore) &&
         line[0] != line[2];
}

int LeadingSide(const ScoreLine& line) {
  if (line[0] == line[2]) return -1;
  return line[0] > line[2] ? 0 : 1;
}

}  // namespace scorlet::table
