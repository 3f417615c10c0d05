// Drawing a loaded hand in the main window: the last-hand summary with its score block, the
// play grid, the four hands, the name labels and the bid summary.
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
