// The Spades scoring rule as the companion applies it: the value of a bid, a partnership's bid,
// the points a partnership will have after the hand as the play stands, and the points and bags
// of one deal taken from two score rows. Pure functions; the counters, the bid helper and the
// score lines all use these.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace scorlet::companion {

inline constexpr int GameTargetPoints = 500;
inline constexpr int ScoreFloor = -200;  // a projection below this is shown as "-200"
inline constexpr int BagLimit = 10;      // bags that cost 100 points
inline constexpr int BagPenalty = 100;
inline constexpr int DealTricks = 13;

// The value of a bid if made: "N" 100, "D" and "DP" 200, a number n gives 10 × n, "" 0.
int ScoreBid(std::string_view bid);

// A partnership's bid: the two members' leading-number values (Nil and Double Nil count 0).
int TeamBidOf(std::string_view first, std::string_view second);

// The expected total before play: score + 10 × bid + 100 per Nil + 200 per Double Nil.
int BidProjectionOf(int score, std::string_view first, std::string_view second);

// Where a partnership's bid stands during play.
enum class BidState { Open, Making, Over, Set };

// The bid's state with `own` tricks taken by the partnership, `opponents` by the others and
// `played` tricks in all.
BidState BidStateOf(int bid, int own, int opponents, int played);

// One Nil or Double Nil bidder of the partnership: kind 1 or 2 (0 for an ordinary bid) and
// whether he has won a trick.
struct NilMember {
  int kind = 0;
  bool wonTrick = false;
};

// Points of the partnership after the hand as the play stands, recomputed from the score and
// bags before the hand, the bid and the tricks so far: the bid's points once it is made,
// exceeded or set (nothing while it is still open), each Nil result once it is known (lost at the
// first trick its bidder wins, made when all tricks are played without one).
int HandProjectionOf(int score, int bags, int bid, int own, int opponents, int played,
                     const std::array<NilMember, 2>& nils);

// The points and bags one deal gave a partnership: `column` 0 or 2 of the score rows before and
// after the deal. A bag count that fell (the bag penalty took ten away) counts ten more.
struct DealScore {
  int points = 0;
  int bags = 0;
};
DealScore DealScoreOf(const std::array<std::int32_t, 4>& before,
                      const std::array<std::int32_t, 4>& after, int column);

}  // namespace scorlet::companion
