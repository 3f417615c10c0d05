// The bid helper is not built yet.
#include "companion/bidhelp/BidHelp.h"

namespace scorlet::companion {

void Show_HelpBid(App&) {}
void HideHelpBid(App&) {}

}  // namespace scorlet::companion
