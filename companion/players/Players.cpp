// Alerts are not built yet: no player is marked. The bid panel is read in BoardStatus.cpp.
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

}  // namespace scorlet::companion
