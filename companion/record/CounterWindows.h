// The counter windows and the score window on the screen: fed by the bid capture, the trick
// step and the last-hand capture, placed beside the table.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "companion/record/Counters.h"

namespace scorlet::companion {

struct App;

// What the counter windows keep for the run, and the game's score as last read.
struct CounterDisplays {
  CounterState left;
  CounterState right;
  CounterView leftView;
  CounterView rightView;
  std::array<std::int32_t, 4> scoreRow{};  // the last score row read (zeros before the first)
  std::int32_t scoreRows = 0;              // rows the score showed then
};

// The score and bags of the user's partnership and of the opponents in a score row, whose first
// pair is North-South's.
struct TeamScores {
  std::array<int, 2> scores{};
  std::array<int, 2> bags{};
};
TeamScores TeamScoresOfRow(const std::array<std::int32_t, 4>& row, int userSeat);

// A score reading: remembered for the counters of the next hand.
void KeepScoreRow(App& app, const std::array<std::int32_t, 4>& row, int rows);
// After a bid pass with `bidsRead` bids: the left counter while fewer than four are in, else
// the right counter (the left one is hidden).
void FeedCounters(App& app, int bidsRead);
// After a trick: the right counter follows the tricks read. `points` are the partnerships'
// scores after the hand (the user's first), once the game shows them.
void UpdateCounters(App& app, const std::optional<std::array<int, 2>>& points = std::nullopt);

// The score window: the four names (LHO, Pard, RHO, Me) and a copy of the game's score rows.
void Show_Score(App& app, const std::array<std::string, 4>& names, int scoreRows);
// A click on the main window's bid-location count: the score window, and the counter in use.
void cntBidLoc_Click(App& app);
// A click on the score window's picture swaps which of the main window and the game window is
// kept on top.
void picScore_Click(App& app);

}  // namespace scorlet::companion
