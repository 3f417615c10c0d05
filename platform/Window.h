#pragma once
// Small operations on any top-level window, the program's own or another's.

#include "platform/Desktop.h"

namespace scorlet {

// Set / clear the always-on-top state without moving or resizing; a zero handle does nothing.
void MakeTopmost(Desktop& desktop, WindowHandle window);
void MakeNotTopmost(Desktop& desktop, WindowHandle window);

void MinimizeWindow(Desktop& desktop, WindowHandle window);
void RestoreWindow(Desktop& desktop, WindowHandle window);

// False when the style has no caption bit; otherwise whether the visible bit is set.
bool IsVisibleWithCaption(Desktop& desktop, WindowHandle window);
bool IsVisibleWithCaption(uint32_t style);

} // namespace scorlet
