// Hand recording and the table displays, as the main loop and the main window's buttons use
// them: the work-file list, deleting and restoring work files, the counters, the card-play
// windows and the score window.
#pragma once

#include "companion/main/HelperWindows.h"

namespace scorlet::companion {

struct App;

// The work-file list of the main window, filled from the Work folder.
void PrepareWorkFileList(App& app);
// At the end of the run (also saves the window positions).
void CloseWorkFiles(App& app);
// The selected work file shown again (after a new orientation or a click on the list).
void ShowSelectedHand(App& app);
void DeleteWorkFile(App& app);      // cmdDEL
void UndoDelete(App& app);          // cmdUndo
void DeleteAllWorkFiles(App& app);  // cmdDelFiles
// The game record back to its empty template.
void ResetGameRecord(App& app);

// Clears the counter window of that side.
void ClrCounter(App& app, CounterSide side);

void MarkCardPlayNewDeal(App& app);
void HideCardPlay(App& app);
void HideMyBox(App& app);
void ResetScorePanel(App& app);
void BuildCardFaceWindows(App& app);
void HideScoreWindow(App& app);

}  // namespace scorlet::companion
