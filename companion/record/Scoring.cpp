#include "companion/record/Scoring.h"

#include "common/Notation.h"

namespace scorlet::companion {

int ScoreBid(std::string_view bid) {
  const BidKind kind = BidKindOf(bid);
  if (kind != BidOrdinary) return 100 * kind;
  return BidNumberOf(bid) * 10;
}

int TeamBidOf(std::string_view first, std::string_view second) {
  return BidNumberOf(first) + BidNumberOf(second);
}

int BidProjectionOf(int score, std::string_view first, std::string_view second) {
  return score + 10 * TeamBidOf(first, second) + 100 * BidKindOf(first) +
         100 * BidKindOf(second);
}

BidState BidStateOf(int bid, int own, int opponents, int played) {
  const int over = own - bid;
  if (over == 0) return BidState::Making;
  if (over > 0) return BidState::Over;
  if (played < DealTricks && opponents + bid <= DealTricks) return BidState::Open;
  return BidState::Set;
}

int HandProjectionOf(int score, int bags, int bid, int own, int opponents, int played,
                     const std::array<NilMember, 2>& nils) {
  int points = score;
  switch (BidStateOf(bid, own, opponents, played)) {
    case BidState::Open:
      break;
    case BidState::Making:
      points += 10 * bid;
      break;
    case BidState::Over: {
      const int over = own - bid;
      points += 10 * bid + over;
      if (bags + over >= BagLimit) points -= BagPenalty;
      break;
    }
    case BidState::Set:
      points -= 10 * bid;
      break;
  }
  for (const NilMember& nil : nils) {
    if (nil.kind == 0) continue;
    if (nil.wonTrick) {
      points -= 100 * nil.kind;
    } else if (played >= DealTricks) {
      points += 100 * nil.kind;
    }
  }
  return points;
}

DealScore DealScoreOf(const std::array<std::int32_t, 4>& before,
                      const std::array<std::int32_t, 4>& after, int column) {
  const auto c = static_cast<std::size_t>(column & 2);
  DealScore deal;
  deal.points = after[c] - before[c];
  deal.bags = after[c + 1] - before[c + 1];
  if (deal.bags < 0) deal.bags += BagLimit;
  return deal;
}

}  // namespace scorlet::companion
