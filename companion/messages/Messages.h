// The messages window: numbered status and error messages about the game's windows.
#pragma once

namespace scorlet::companion {

struct App;

// Shows message `number`; the window then waits for a sub-window (MessagePending).
void ShowErrMessage(App& app, int number);
void HideErrMessage(App& app);

}  // namespace scorlet::companion
