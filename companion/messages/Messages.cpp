// The messages window is not built yet; it records that it waits, which already makes the
// window step ask the table again for the missing window on every tick.
#include "companion/messages/Messages.h"

#include "companion/main/App.h"

namespace scorlet::companion {

void ShowErrMessage(App& app, int) { app.windows.MessagePending = true; }
void HideErrMessage(App&) {}

}  // namespace scorlet::companion
