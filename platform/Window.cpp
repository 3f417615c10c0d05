#include "platform/Window.h"

namespace scorlet {

void MakeTopmost(Desktop& desktop, WindowHandle window)
{
    if (window != 0)
        desktop.setTopmost(window, true);
}

void MakeNotTopmost(Desktop& desktop, WindowHandle window)
{
    if (window != 0)
        desktop.setTopmost(window, false);
}

void MinimizeWindow(Desktop& desktop, WindowHandle window)
{
    if (window != 0)
        desktop.showWindow(window, ShowCommand::Minimize);
}

void RestoreWindow(Desktop& desktop, WindowHandle window)
{
    if (window != 0)
        desktop.showWindow(window, ShowCommand::Restore);
}

bool IsVisibleWithCaption(uint32_t style)
{
    if ((style & WindowStyle::Caption) == 0)
        return false;
    return (style & WindowStyle::Visible) != 0;
}

bool IsVisibleWithCaption(Desktop& desktop, WindowHandle window)
{
    return window != 0 && IsVisibleWithCaption(desktop.windowStyle(window));
}

} // namespace scorlet
