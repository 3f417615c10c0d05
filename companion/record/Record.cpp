// Hand recording and the table displays are not built yet: each of these does nothing, and the
// file list stays empty.
#include "companion/record/Record.h"

namespace scorlet::companion {

void PrepareWorkFileList(App&) {}
void CloseWorkFiles(App&) {}
void ShowSelectedHand(App&) {}
void DeleteWorkFile(App&) {}
void UndoDelete(App&) {}
void DeleteAllWorkFiles(App&) {}
void ResetGameRecord(App&) {}
void ClrCounter(App&, CounterSide) {}
void MarkCardPlayNewDeal(App&) {}
void HideCardPlay(App&) {}
void HideMyBox(App&) {}
void ResetScorePanel(App&) {}
void BuildCardFaceWindows(App&) {}
void HideScoreWindow(App&) {}

}  // namespace scorlet::companion
