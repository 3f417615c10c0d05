// The seat overlays come with the helper windows; until then nothing is painted.
#include "companion/recognition/SeatOverlays.h"

namespace scorlet::companion {

void DrawSeatOverlays(App&) {}
void RestoreSeatOverlays(App&) {}

}  // namespace scorlet::companion
