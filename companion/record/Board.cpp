// The bidding board is not built yet.
#include "companion/record/Board.h"

namespace scorlet::companion {

void HideBoard(App&) {}
void ShowBoard(App&, BoardStatus) {}

}  // namespace scorlet::companion
