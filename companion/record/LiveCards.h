// The card displays of the deal in play: the card-play window frmCardPlay, the shown cards in
// the main window, the remaining-cards box remBox and its mirror frmMyBOX. The trick step hands
// every recorded trick to RecordLiveTrick.
#pragma once

#include <array>

#include "companion/recognition/ReadingState.h"
#include "platform/Types.h"

namespace scorlet::companion {

struct App;

// Where the main window shows a player's block of four suit lines (the live shown cards and
// the four hands of a record), by display position, and how wide the block is.
Point HandBlockPlace(int position);
inline constexpr int HandBlockWidth = 140;

// A new deal: the live play, the shown cards and the remaining cards start empty.
void ResetLiveCards(App& app);
// Fills the remaining-cards box (and its mirror) with all 52 cards and shows it.
void spdShow_AllCards(App& app);
// Blanks a played card in the remaining-cards box and its mirror.
void RemovePlayedCard(App& app, int suit, int rank);
// Hands one trick of the deal (index 0..12, by display position) to the card displays:
// the live grid, the shown cards with the voids the trick showed, the remaining cards.
void RecordLiveTrick(App& app, int index, const TrickSeen& trick,
                     const std::array<std::array<bool, 4>, 4>& voids);
// A trick of the deal (index 0..12) whose cards were never read: its column stays empty, no
// card of it is taken off the remaining cards, and the void inference stops counting on every
// card played being shown.
void MarkLiveTrickNotSeen(App& app, int index);
// Draws the live play in frmCardPlay and shows it.
void ShowCardPlay(App& app);
// Draws the shown cards of the four players with their void marks.
void Show_4Hands(App& app);

}  // namespace scorlet::companion
