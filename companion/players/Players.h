// The alert list and player alerts, and the reading of the game's bid panel.
#pragma once

#include <array>
#include <string>

#include "companion/record/Board.h"

namespace scorlet::companion {

struct App;

// The built-in list, then the alert list file.
void LoadAlertList(App& app);
// Rewrites the alert list file from the user's entries; false (and a message) when it failed.
bool WriteAlertList(App& app);
// Looks for a marked player in the table's player list and shows the first one found.
void CheckAlertPlayer(App& app);
// Shows the alert label for entry `index` (0: no entry, a plain alert) and the name read.
void ShowAlert(App& app, int index, const std::string& name);
// True when cmdAlertNone or AlertName is visible.
bool testAlert(const App& app);
// The Alert menu for the names of a new hand: captions, the user's own seat, check marks, and
// the alerts of the marked players.
void RefreshAlertMenu(App& app, const std::array<std::string, 4>& seatNames);
void ShowAskAlert(App& app);
void HideAskAlert(App& app);
void ExecAskAlert(App& app);
void plName_Click(App& app, int index);      // marks the player of that name label
void ClickPlayer(App& app, int index);
void menuPlayer_Click(App& app, int index);  // marks the player of that seat
void AlertNoneClick(App& app);

// What the game's bid panel shows now.
BoardStatus ReadBoardStatus(App& app);
void UpdateBoardFromStatus(App& app, BoardStatus status);

}  // namespace scorlet::companion
