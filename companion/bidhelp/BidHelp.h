// The bid advice for the user's bid in the third and fourth seat.
#pragma once

namespace scorlet::companion {

struct App;

void Show_HelpBid(App& app);
void HideHelpBid(App& app);

}  // namespace scorlet::companion
