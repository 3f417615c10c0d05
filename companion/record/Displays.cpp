// The card-play windows are not built yet: each of these
// does nothing.
#include "companion/record/Record.h"

namespace scorlet::companion {

void MarkCardPlayNewDeal(App&) {}
void HideCardPlay(App&) {}
void HideMyBox(App&) {}
void BuildCardFaceWindows(App&) {}

}  // namespace scorlet::companion
