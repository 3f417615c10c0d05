// The alert list and player alerts, and the reading of the game's bid panel.
#pragma once

#include "companion/record/Board.h"

namespace scorlet::companion {

struct App;

// The built-in list, then the alert list file.
void LoadAlertList(App& app);
void CheckAlertPlayer(App& app);
void ShowAskAlert(App& app);
void HideAskAlert(App& app);
void ExecAskAlert(App& app);
void plName_Click(App& app, int index);      // marks the player of that name label
void menuPlayer_Click(App& app, int index);  // marks the player of that seat
void AlertNoneClick(App& app);

// What the game's bid panel shows now.
BoardStatus ReadBoardStatus(App& app);
void UpdateBoardFromStatus(App& app, BoardStatus status);

}  // namespace scorlet::companion
