// Calls from window discovery into parts that are not built yet: the text reader that finds a
// button's label in a captured line, the capture's slow mode, and the messages window. Until
// those parts exist the scan finds no label and the messages window only records that it waits.
#pragma once

#include <string_view>

#include "platform/Capture.h"

namespace scorlet::companion {

struct App;

namespace hooks {

// A capture of the table window's left strip, positions in screen pixels.
struct ButtonStrip {
  const PixelBuffer& pixels;
  const CaptureGeometry& geometry;
};

// True when the text line whose top row is y holds any ink.
bool ButtonLineHasInk(App& app, const ButtonStrip& strip, int y);
// The column after the label's last glyph when the label is in the text line at y, else 0.
int FindButtonLabel(App& app, const ButtonStrip& strip, int y, std::string_view label);

// The capture waits longer for the game to repaint (set when a table has been set up).
void SetCaptureSlow(App& app, bool slow);

// Shows a numbered message in the messages window, which then waits for a sub-window
// (MessagePending); hides it again.
void ShowErrMessage(App& app, int number);
void HideErrMessage(App& app);

}  // namespace hooks
}  // namespace scorlet::companion
