// The rules of the trick step that need no window: who won a trick by the trick counts or by the
// cards, and when the trick counts show that the deal is over. The procedures that capture the
// table and the last-trick window (CapturePlayedTrick, WatchTrickCounts) use them.
#pragma once

#include <array>
#include <string>

namespace scorlet::companion {

struct TrickSeen;
struct TrickState;
struct LastTrickWindow;

// 1 Nil, 2 Double Nil (either form), 0 any other bid.
int NilKind(const std::string& bid);

struct WinnerByCounts {
  int winner = -1;                  // the display position whose count rose; -1 none
  std::array<int, 3> teamTricks{};  // positions 0+2, 1+3, and both
  std::array<int, 4> brokenNil{};   // the Nil kind of a Nil bidder whose count rose, else 0
  int nilsBroken = 0;               // how many Nil bidders took a trick in this reading
};
// Compares the counts read with the previous ones (which become the counts read). With several
// seats risen the last one wins.
WinnerByCounts GetWinner(const std::array<int, 4>& tricks, std::array<int, 4>& previousTricks,
                         const std::array<std::string, 4>& seatBids);

// The winner of a trick from its cards (suit 0..3, rank 2..14 by display position) and its
// leader: the highest card of the led suit unless a spade was played, then the highest spade.
// -1 when the leader is not known.
int WinnerByCards(const std::array<int, 4>& suits, const std::array<int, 4>& ranks, int leader);

// Whether the trick counts just read end the deal. `highestTotal` is the largest total seen in
// the deal before this reading; a deal in which no trick was yet counted never ends on a total
// of 0. `okShown`: the table shows its end-of-deal "OK" (the counting form looks for it).
struct DealEndTest {
  int total = 0;
  int previousTotal = -1;
  int highestTotal = 0;
  bool okShown = false;
  bool countingForm = false;
};
bool DealOverByCounts(const DealEndTest& test);

// The winners the trick counts show between two readings of one deal (by display position):
// when the total rose by n and one seat's count rose by all n, that seat won each of those
// tricks. A winner already known is kept; counts that went down tell nothing.
void NoteCountWinners(std::array<TrickSeen, 13>& tricks, const std::array<int, 4>& before,
                      const std::array<int, 4>& after);

// Whether four cards read from the last-trick window (suit 0..3, rank 2..14 by display
// position) can be trick `index` (0..12) of the deal: four readable cards, none recorded in
// another trick of the deal, none of a suit its player has shown out of, and, when the counts
// named the trick's winner, won by that seat from the trick's leader (from some seat, while the
// trick before is not known).
bool CardsFitTrick(const TrickState& t, const std::array<int, 4>& suits,
                   const std::array<int, 4>& ranks, int index);

// Which of the tricks `first` to `last` (0-based) the window's cards are: the one trick they fit
// and that the window did not already show before it, else -1 (none, or more than one).
int TrickOfWindowCards(const TrickState& t, const LastTrickWindow& window,
                       const std::array<int, 4>& suits, const std::array<int, 4>& ranks,
                       int first, int last);

}  // namespace scorlet::companion
