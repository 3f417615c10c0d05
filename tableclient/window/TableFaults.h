// Faults the table can meet at random moments of a deal, and the note of each one the table
// met, so that whoever compares a recorded deal with the table's truth knows which deals were
// disturbed and how.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scorlet::table {

enum class FaultKind : int {
  SubWindowClosed = 0,  // a small window closed; it opens again when its button is pressed
  SubWindowLate,        // a small window closed, and it opens only a while after its button
  WindowOffScreen,      // a window moved off the screen
  SlowRepaint,          // every window drawn a while after the change it shows
  GlyphUnreadable,      // one pixel of a glyph on the table changed, for one drawing
  TableClosed,          // the table window closed in the middle of the deal; a new table opens
  LobbyOverTable,       // the lobby placed over the table for the rest of the deal
};
inline constexpr int FaultKindCount = 7;

// Moves a deal is made of, four bids and 52 cards: a fault planned at this moment comes once
// the deal is over, while it is on show.
inline constexpr int MovesPerDeal = 56;

// One fault the table met.
struct Disturbance {
  int deal = 0;     // the deal of the session it hit, counted from 1 over every deal begun
  FaultKind kind = FaultKind::SubWindowClosed;
  int window = 0;   // the window it hit: 0 the table, 1..3 the small windows, 4 the lobby
  int moment = 0;   // moves of the deal made before it came; MovesPerDeal after the deal's end
  int ms = 0;       // how late a window opened, how late the windows were drawn
};

// A few words for the kind, as a cause in a report: "a small window closed".
std::string_view FaultName(FaultKind kind);
// One line for a note: what happened, to which window, when.
std::string DescribeDisturbance(const Disturbance& d);

}  // namespace scorlet::table
