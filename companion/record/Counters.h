// The bid and trick counters: the left counter frmCounter0 while the bidding is incomplete and
// the right counter frmCounter once four bids are in. For the user's partnership (index 0,
// display positions 0 and 2) and the opponents (index 1, positions 1 and 3) they show the bid,
// the score and bags before the hand, the tricks so far, the state of the bid, the expected
// total and the points after the hand as the play stands.
//
// What a counter shows is a plain value (CounterView), changed by ShowCounterInit,
// ShowCounterNow and ClrCounter; DrawCounter puts it on a form.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/Form.h"

namespace scorlet::companion {

inline constexpr Color Fuchsia = Rgb(255, 0, 255);
inline constexpr Color DarkRed = Rgb(200, 0, 0);

// One label of a counter.
struct CounterLabel {
  std::string text;
  Color color = Colors::Black;
  bool bold = false;
  int size = 10;
  bool visible = true;
  bool operator==(const CounterLabel&) const = default;
};

struct CounterView {
  std::array<CounterLabel, 3> cBid;   // partnership bids, then their total
  std::array<CounterLabel, 3> cTrk;   // tricks of each partnership, then in all
  std::array<CounterLabel, 2> cPts0;  // score before the hand
  std::array<CounterLabel, 2> cBag0;  // bags before the hand, "(n)"
  std::array<CounterLabel, 2> cBag;   // state of the bid during play
  std::array<CounterLabel, 2> aPt;    // expected total if the bids are made, "[n]"
  std::array<CounterLabel, 2> cPts;   // points after the hand
  bool wide = false;                  // the play columns are shown
};

// What the right counter keeps between updates.
struct CounterState {
  std::array<int, 2> TeamBid{};
  std::array<int, 2> TeamScore{};
  std::array<int, 2> TeamBags{};
  std::array<int, 2> BidProjection{};
  std::array<int, 2> HandProjection{};
  std::array<std::string, 4> bids;  // by display position, as given to ShowCounterInit
  std::array<bool, 4> nilWon{};     // a Nil bidder has won a trick in this hand
};

enum class CounterKind { Left, Right };

// Empties every label; the state line is hidden and the layout narrow again.
void ClrCounter(CounterView& view);
// The bids as known (by display position; fewer than four while the bidding runs) with the
// score and bags before the hand, by partnership.
void ShowCounterInit(CounterKind kind, CounterState& state, CounterView& view,
                     const std::array<int, 2>& scores, const std::array<int, 2>& bags,
                     const std::array<std::string, 4>& bids);
// After a trick: the tricks by display position. `points` is the score after the hand as the
// game shows it, known only once the hand is over; without it the points after the hand are the
// projection.
void ShowCounterNow(CounterState& state, CounterView& view,
                    const std::optional<std::array<int, 2>>& points,
                    const std::array<int, 4>& tricks);
// The narrow layout of the bidding and the wide one of the play.
void SetWidth1(CounterView& view);
void SetWidth2(CounterView& view);

// Puts the view on the form: creates the labels on first use, places them for the layout and
// sizes the form.
void DrawCounter(Form& form, const CounterView& view);
// The least client width of each layout (wider when the fonts need it).
inline constexpr int NarrowCounterWidth = 210;
inline constexpr int WideCounterWidth = 320;

}  // namespace scorlet::companion
