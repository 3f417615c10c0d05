// The bidding board: the program's own bid buttons that click the game's bid panel.
#pragma once

#include <cstdint>

namespace scorlet::companion {

struct App;

// What the game's bid panel shows (read by the players subsystem).
enum class BoardStatus : std::int32_t { NotFound = 0, NumberButtons = 100, DoubleNilChoice = 200 };

void HideBoard(App& app);
// Shows the board at the stage that the game's bid panel is in.
void ShowBoard(App& app, BoardStatus stage);

}  // namespace scorlet::companion
