// Alerts and the bid-panel reading are not built yet: no player is marked, no panel is seen.
#include "companion/players/Players.h"

namespace scorlet::companion {

void LoadAlertList(App&) {}
void CheckAlertPlayer(App&) {}
void ShowAskAlert(App&) {}
void HideAskAlert(App&) {}
void ExecAskAlert(App&) {}
void plName_Click(App&, int) {}
void menuPlayer_Click(App&, int) {}
void AlertNoneClick(App&) {}
BoardStatus ReadBoardStatus(App&) { return BoardStatus::NotFound; }
void UpdateBoardFromStatus(App&, BoardStatus) {}

}  // namespace scorlet::companion
