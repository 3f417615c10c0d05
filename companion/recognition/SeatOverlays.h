// Each seat's bid and trick count painted beside the seat on the table window, and the pixels
// put back when the overlay goes.
#pragma once

namespace scorlet::companion {

struct App;

void DrawSeatOverlays(App& app);
void RestoreSeatOverlays(App& app);

}  // namespace scorlet::companion
