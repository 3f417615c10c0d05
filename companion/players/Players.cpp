// The bid-panel reading is not built yet: no panel is seen.
#include "companion/players/Players.h"

namespace scorlet::companion {

BoardStatus ReadBoardStatus(App&) { return BoardStatus::NotFound; }
void UpdateBoardFromStatus(App&, BoardStatus) {}

}  // namespace scorlet::companion
