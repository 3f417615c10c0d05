// The counters, the card-play windows and the score window are not built yet: each of these
// does nothing.
#include "companion/record/Record.h"

namespace scorlet::companion {

void ClrCounter(App&, CounterSide) {}
void MarkCardPlayNewDeal(App&) {}
void HideCardPlay(App&) {}
void HideMyBox(App&) {}
void ResetScorePanel(App&) {}
void BuildCardFaceWindows(App&) {}
void HideScoreWindow(App&) {}

}  // namespace scorlet::companion
