// Hand recording and the work-file life cycle, and the table displays as the main loop and the
// main window's buttons use them: saving a captured hand, the work-file list, showing a saved
// hand, deleting and restoring work files, the counters, the card-play windows and the score
// window.
#pragma once

#include <string>

#include "common/WorkFiles.h"
#include "companion/main/HelperWindows.h"

namespace scorlet::companion {

struct App;

// --- recording ---

enum class RecordOutcome {
  Saved = 0,            // a new work file was written and listed
  SavedIncomplete = 1,  // written and listed, but the play breaks the rules of the game
  AlreadySaved = 2,     // the same play was saved last time: nothing written
  WriteFailed = 3,      // the file could not be written: nothing listed, the failure printed
};

// Saves the hand that the end-of-hand capture put into CaptureRecord (names, play texts, lead
// marks, score rows; the bids come from the deal's SeatBids), lists it at the top and shows it
// as read back from its file.
RecordOutcome RecordHand(App& app);
// What is wrong with the play of a record ("" when every trick holds four different cards and
// the deal all 52).
std::string PlayFault(const HandRecord& record, bool japanese);
// Clears the record, reads stem.spd of the Work folder into it, derives it and draws it.
// Ignored while another load runs.
void LoadAndShowRecord(App& app, const std::string& stem, HandRecord& record);

// --- the file list ---

// Scans the Work folder and fills filBox, newest first.
void RefreshFileList(App& app);
// At start-up and after a restart: creates the Work folder, fills the list and starts the
// stem counter.
void PrepareWorkFileList(App& app);
// A click on the list: shows the current entry's hand.
void filBox_Click(App& app);
// The seat whose name the name label `label` (0..3) shows.
int SeatOfNameLabel(int label);
// A click on compass letter `index` (1..3): that hand to the bottom, the shown hand redrawn.
void Lbl_Click(App& app, int index);
// The shown hand again (after a new orientation).
void ShowSelectedHand(App& app);

// --- deleting and restoring ---

// Asks for confirmation with cmdDEL/cmdUndo, waiting while window events go on, then moves the
// selected files to their backup names. The files are those selected when it was asked.
void DeleteSelectedFiles(App& app);
void cmdDEL_Click(App& app);
void cmdUndo_Click(App& app);
// Empties the Work folder (the files become backups) or, when it holds only backups, restores
// them, after the frmDelWork dialog was confirmed.
void cmdDelFiles_Click(App& app);
void cmdDelete_Click(App& app);  // frmDelWork's action button
void cmdCancel_Click(App& app);  // frmDelWork's cancel button
inline void DeleteWorkFile(App& app) { cmdDEL_Click(app); }
inline void UndoDelete(App& app) { cmdUndo_Click(app); }
inline void DeleteAllWorkFiles(App& app) { cmdDelFiles_Click(app); }

// --- the end of the run ---

// Closes the card-drawing windows and the work-file dialog (the window layout is saved by the
// session's end).
void SaveOnExit(App& app);
inline void CloseWorkFiles(App& app) { SaveOnExit(app); }
// The game record back to its empty template; no hand file is current.
void ResetGameRecord(App& app);

// --- the table displays ---

// Clears the counter window of that side.
void ClrCounter(App& app, CounterSide side);
void MarkCardPlayNewDeal(App& app);
void HideCardPlay(App& app);
void HideMyBox(App& app);
void ResetScorePanel(App& app);
void BuildCardFaceWindows(App& app);
void HideScoreWindow(App& app);

}  // namespace scorlet::companion
