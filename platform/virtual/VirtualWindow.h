#pragma once
// The records behind the virtual desktop's windows and timers (used by its own sources only).

#include "platform/virtual/VirtualDesktop.h"

#include <algorithm>

namespace scorlet {

struct VirtualDesktop::Window {
    WindowHandle handle = 0;
    std::string title;
    uint32_t style = 0;
    WindowFrame frame;
    bool topmost = false;
    bool minimized = false;
    Rect rect; // screen rectangle when not minimised
    Color background = Colors::White;
    Image client; // the client pixels of a plain window
    VirtualProgram* owner = nullptr;
    std::function<void(const MouseEvent&)> mouse;
    std::function<void()> paint;
    std::function<Image()> render;      // a form: its client area as it shows
    std::function<void()> stateChanged; // a form: the desktop changed the window
    std::function<std::vector<std::string>()> menuTitles; // a form: its menu bar's shown titles

    struct Overlay {
        Point at; // whole-window coordinates
        Image image;
    };
    std::vector<Overlay> overlays;

    static constexpr int MinimizedWidth = 160;
    static constexpr int MinimizedHeight = 24;

    bool visible() const { return (style & WindowStyle::Visible) != 0; }
    Rect screenRect() const
    {
        if (minimized)
            return {MinimizedPosition, MinimizedPosition, MinimizedPosition + MinimizedWidth,
                    MinimizedPosition + MinimizedHeight};
        return rect;
    }
    Point clientOffset() const { return {frame.border, frame.border + frame.caption + frame.menuBar}; }
    Size clientSize() const
    {
        if (minimized)
            return {};
        const Point o = clientOffset();
        return {std::max(0, rect.width() - 2 * frame.border), std::max(0, rect.height() - o.y - frame.border)};
    }
    Image clientImage() const { return render ? render() : client; }
};

struct VirtualDesktop::TimerEntry {
    int id = 0;
    VirtualProgram* owner = nullptr;
    std::function<void()> handler;
    uint32_t interval = 0;
    bool running = false;
    uint32_t due = 0;
    bool inHandler = false;
    bool removed = false;
};

} // namespace scorlet
