// The rule set of the substitute table: what a table's options change, and the
// bid value type shared by the engine, the bots and the windows.
//
// Scoring follows the common partnership rules of the online game:
// - A partnership's contract is the sum of the number bids of its members; a Nil or
//   Double Nil bidder adds nothing to it and its tricks do not count towards it.
// - Contract made: 10 points per bid trick, and every trick above it is a bag worth
//   1 point. Contract set: minus 10 points per bid trick.
// - Nil: +100 when the bidder takes no trick, -100 otherwise; Double Nil +/-200.
//   Every trick a Nil or Double Nil bidder takes is a bag (1 point) for the side.
// - Each time a side's bag count reaches 10 it loses 100 points and the count drops
//   by 10.
// - The game is over after a deal that leaves a side at 500 or more with the two
//   scores different; the higher score wins.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scorlet::table {

struct TableOptions {
  bool doubleNilPass = false;  // a Double Nil bidder and partner exchange cards
  bool suicide = false;        // each partnership must bid at least one Nil or Double Nil
  int winningScore = 500;
  int bagLimit = 10;
  int bagPenalty = 100;
  int nilValue = 100;
  int doubleNilValue = 200;
  int passCards = 2;  // cards each partner gives at a double-nil-pass table
};

enum class BidKind : std::uint8_t { None, Tricks, Nil, DoubleNil };

struct Bid {
  BidKind kind = BidKind::None;
  int tricks = 0;  // 1..13 for BidKind::Tricks

  static Bid Number(int n) { return n == 0 ? Bid{BidKind::Nil, 0} : Bid{BidKind::Tricks, n}; }
  static Bid Nil() { return {BidKind::Nil, 0}; }
  static Bid DoubleNil() { return {BidKind::DoubleNil, 0}; }
  bool IsNilKind() const { return kind == BidKind::Nil || kind == BidKind::DoubleNil; }
  bool operator==(const Bid&) const = default;
};

// "" (no bid), "1".."13", "N", "D", or "DP" for Double Nil at a double-nil-pass table.
std::string BidTextOf(const Bid& bid, const TableOptions& options);
// The inverse: "0" and "N" are Nil, "D" and "DP" Double Nil; anything else is no bid.
Bid BidFromText(std::string_view text);

}  // namespace scorlet::table
