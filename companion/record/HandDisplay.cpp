// The hand displays are not built yet: nothing is drawn.
#include "companion/record/HandDisplay.h"

namespace scorlet::companion {

void DrawHandRecord(App&, const HandRecord&) {}
void ClearHandDrawings(App&) {}
void CloseCardFaceWindows(App&) {}

}  // namespace scorlet::companion
