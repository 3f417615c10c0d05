// Calls from the main loop and the take-over into the parts of the companion that are not
// built yet: recognition, hand recording, helper windows, alerts, bid helper, messages. Each is
// a no-op (or returns "nothing found") until its part fills it in; the main loop already calls
// them at the right moments.
#pragma once

namespace scorlet::companion {

struct App;

namespace hooks {

// Capture arguments: by hand, automatic, and the rating read again on request.
inline constexpr int ByHand = 0;
inline constexpr int Automatic = 1;
inline constexpr int OnRequest = 2;

// --- recognition ---
void CaptureBid(App& app, int mode);          // reads bids; calls BeginPlay with four
void TrickStepCards(App& app);                // trick step reading the last-trick window
void TrickStepCount(App& app);                // trick step counting tricks only
void CaptureLastHand(App& app, int mode);     // records the hand; calls BeginDeal
bool TestMyTurn(App& app);                    // the table shows it is the user's turn
void DrawSeatOverlays(App& app);              // bids or tricks beside the seats
void RestoreSeatOverlays(App& app);           // puts back the pixels the overlays covered
void ReadShowRating(App& app, int mode);      // the user's rating into MyRating
void BuildPlayerList(App& app);               // names and ratings; sets TableSetUp
void BuildGlyphTables(App& app);
void ResetDealCapture(App& app);              // per-deal capture record, keeping the file index

// --- hand record and table displays ---
void PrepareWorkFileList(App& app);           // fills filBox from the Work folder
void CloseWorkFiles(App& app);                // at the end (also saves window positions)
void ShowSelectedHand(App& app);              // the selected hand file again, new orientation
void DeleteWorkFile(App& app);                // cmdDEL
void UndoDelete(App& app);                    // cmdUndo
void DeleteAllWorkFiles(App& app);            // cmdDelFiles
void ResetGameRecord(App& app);               // the game record to its empty template
void ClrCounter(App& app, int which);         // 1 left, 2 right
void MarkCardPlayNewDeal(App& app);
void HideCardPlay(App& app);
void HideMyBox(App& app);
void ResetScorePanel(App& app);
void BuildCardFaceWindows(App& app);
void HideBoard(App& app);
void ShowBoard(App& app, int mode);
void HideHelpBid(App& app);
void Show_HelpBid(App& app);
void HideScoreWindow(App& app);

// --- players and alerts ---
void LoadAlertList(App& app);                 // built-in list, then the alert list file
void CheckAlertPlayer(App& app);
void ShowAskAlert(App& app);
void HideAskAlert(App& app);
void ExecAskAlert(App& app);
void plName_Click(App& app, int index);       // marks the player of that name label
void menuPlayer_Click(App& app, int index);   // marks the player of that seat
void AlertNoneClick(App& app);
int ReadBoardStatus(App& app);                // 0, 100 or 200
void UpdateBoardFromStatus(App& app, int status);

// --- helper windows of a table ---
void LoadHelperWindows(App& app);             // on taking a table over
void UnloadHelperWindows(App& app);           // on giving it up

}  // namespace hooks
}  // namespace scorlet::companion
