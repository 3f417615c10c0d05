// Stand-ins until the text reader, the capture module and the messages window are built.
#include "companion/main/DiscoveryHooks.h"

#include "companion/main/App.h"

namespace scorlet::companion::hooks {

bool ButtonLineHasInk(App&, const ButtonStrip&, int) { return false; }
int FindButtonLabel(App&, const ButtonStrip&, int, std::string_view) { return 0; }
void SetCaptureSlow(App&, bool) {}

// The messages window sets its waiting flag when it shows; the flag alone already makes the
// window step ask the table again for the missing window on every tick.
void ShowErrMessage(App& app, int) { app.windows.MessagePending = true; }
void HideErrMessage(App&) {}

}  // namespace scorlet::companion::hooks
