// Simple deterministic players for any seat: the same situation always gives the same
// bid and the same card, so a seed replays a whole session exactly.
#pragma once

#include "tableclient/engine/Game.h"

namespace scorlet::table {

// Tricks the hand should take, counted from high cards and spade length.
int EstimateTricks(const Hand& hand);

// The bot's bid for the seat to act (always legal).
Bid ChooseBid(const SpadesGame& game, int seat);
// The bot's card for the seat to act (always legal).
CardCode ChoosePlay(const SpadesGame& game, int seat);

// Lets the bot act once for the seat to act; false when nothing was awaited.
bool BotAct(SpadesGame& game);

}  // namespace scorlet::table
