// Drawing a loaded hand: the last-hand window with its score lines, the card-play grid, the four
// hands and the bid summary. Today these draw nothing; the displays fill them in.
#pragma once

#include "common/WorkFiles.h"

namespace scorlet::companion {

struct App;

// Draws the hand in the current seat orientation.
void DrawHandRecord(App& app, const HandRecord& record);
// Clears the drawings of a hand from the main window and the score lines.
void ClearHandDrawings(App& app);
// Closes the card-drawing windows at the end of the run.
void CloseCardFaceWindows(App& app);

}  // namespace scorlet::companion
