// The scenes of the table's windows, built from the game as the user's seat sees it.
#pragma once

#include <array>

#include "tableclient/engine/Game.h"
#include "tableclient/render/Scene.h"

namespace scorlet::table {

// What the scene builders need besides the game.
struct ViewContext {
  int userSeat = 2;
  std::array<int, 4> ratings{};      // by seat
  std::array<int, 4> newRatings{};   // by seat, shown after a game
  bool showNewRatings = false;
  bool waitingToStart = false;       // before the first deal
  int language = 1;
};

// Seat at a display position (0 the user, 1 left, 2 partner, 3 right).
int SeatAtPosition(int userSeat, int position);

// `shownTrick` is a completed trick still lying on the table, or null.
TableScene BuildTableScene(const SpadesGame& game, const ViewContext& context, const Trick* shownTrick);
LastTrickScene BuildLastTrickScene(const SpadesGame& game, const ViewContext& context);
LastHandScene BuildLastHandScene(const HandRecord& truth);
ScoreScene BuildScoreScene(const SpadesGame& game);

}  // namespace scorlet::table
