// The parts these hooks stand for come with later work; until then each does nothing, or
// reports that nothing was found, so the main loop runs unchanged around them.
#include "companion/main/Hooks.h"

#include "companion/main/App.h"

namespace scorlet::companion::hooks {

void CaptureBid(App&, int) {}
void TrickStepCards(App&) {}
void TrickStepCount(App&) {}
void CaptureLastHand(App&, int) {}
bool TestMyTurn(App&) { return false; }
void DrawSeatOverlays(App&) {}
void RestoreSeatOverlays(App&) {}
void ReadShowRating(App&, int) {}
// The table counts as set up from the start of the player-list step, even before the names
// are read, so the take-over shows the table's name and host at once.
void BuildPlayerList(App& app) { app.flags.TableSetUp = true; }
void BuildGlyphTables(App&) {}
void ResetDealCapture(App&) {}

void PrepareWorkFileList(App&) {}
void CloseWorkFiles(App&) {}
void ShowSelectedHand(App&) {}
void DeleteWorkFile(App&) {}
void UndoDelete(App&) {}
void DeleteAllWorkFiles(App&) {}
void ResetGameRecord(App&) {}
void ClrCounter(App&, int) {}
void MarkCardPlayNewDeal(App&) {}
void HideCardPlay(App&) {}
void HideMyBox(App&) {}
void ResetScorePanel(App&) {}
void BuildCardFaceWindows(App&) {}
void HideBoard(App&) {}
void ShowBoard(App&, int) {}
void HideHelpBid(App&) {}
void Show_HelpBid(App&) {}
void HideScoreWindow(App&) {}

void LoadAlertList(App&) {}
void CheckAlertPlayer(App&) {}
void ShowAskAlert(App&) {}
void HideAskAlert(App&) {}
void ExecAskAlert(App&) {}
void plName_Click(App&, int) {}
void menuPlayer_Click(App&, int) {}
void AlertNoneClick(App&) {}
int ReadBoardStatus(App&) { return 0; }
void UpdateBoardFromStatus(App&, int) {}

void LoadHelperWindows(App&) {}
void UnloadHelperWindows(App&) {}

}  // namespace scorlet::companion::hooks
