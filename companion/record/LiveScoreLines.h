// The main window's score lines while a deal is bid and played: under each player's name label
// the bid as read and the tricks taken so far. Redrawn whenever a reading changes them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace scorlet::companion {

struct App;

// What the lines show, by display position; an empty bid is drawn as "-".
struct LiveScoreLines {
  std::array<std::string, 4> bids;
  std::array<std::int32_t, 4> tricks{};
  bool tricksShown = false;
};

LiveScoreLines LiveLinesOf(const App& app);
void ShowLiveScoreLines(App& app);

}  // namespace scorlet::companion
