#pragma once
// The desktop as the programs see it: other programs' top-level windows, their pixels, the mouse,
// the clock and a few facts about the system. One object per running program; implemented by
// platform/win32 (the real window manager) and platform/virtual (an in-memory desktop).
//
// Failures come back as false, 0 or empty values, never as exceptions.

#include "platform/Types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace scorlet {

class Desktop {
public:
    virtual ~Desktop() = default;

    // --- top-level windows, in z-order (top first), the program's own forms included ---
    virtual WindowHandle firstWindow() = 0;                // 0 when there is none
    virtual WindowHandle nextWindow(WindowHandle window) = 0; // 0 after the last
    virtual bool isWindow(WindowHandle window) = 0;
    virtual WindowHandle desktopWindow() = 0; // the whole screen; not part of the walk

    virtual std::string windowTitle(WindowHandle window) = 0; // UTF-8; "" for an unknown window
    virtual uint32_t windowStyle(WindowHandle window) = 0;    // WindowStyle bits; 0 when unknown

    // Screen rectangle of the whole window, frame included.
    virtual bool windowRect(WindowHandle window, Rect& out) = 0;
    // The client area as (0, 0, width, height).
    virtual bool clientRect(WindowHandle window, Rect& out) = 0;
    // Screen position of the client area's top-left corner (the frame offset is this minus the
    // window rectangle's corner; it depends on theme and DPI, never assume a constant).
    virtual bool clientOrigin(WindowHandle window, Point& out) = 0;

    virtual bool moveWindow(WindowHandle window, const Rect& screenRect, bool repaint) = 0;
    virtual bool showWindow(WindowHandle window, int showCommand) = 0; // ShowCommand values
    virtual bool setTopmost(WindowHandle window, bool topmost) = 0;  // no move, no size
    virtual bool isTopmost(WindowHandle window) = 0;
    // Asks the window to redraw itself (wipes whatever was painted over it).
    virtual bool repaintWindow(WindowHandle window) = 0;

    // --- pixels ---
    // Copies `source` (in the window's own coordinates: whole window from its frame corner, or
    // client area; for the desktop window, screen coordinates) into `out` as 16-bit 5-5-5 pixels,
    // bottom-up rows of `stride` pixels, as a 16-bit GetDIBits of a 24-bit screen gives them
    // (components truncated). `out` must hold stride * source.height() pixels. Parts of the
    // source that the window does not cover read 0. Returns the rows delivered, 0 on failure.
    virtual int copyPixels(WindowHandle window, bool clientOnly, const Rect& source, uint16_t* out, int stride) = 0;
    // Paints a block of pixels onto a window (lasts until the window repaints itself).
    virtual bool paintPixels(WindowHandle window, bool clientOnly, Point at, const Image& image) = 0;

    // --- mouse ---
    virtual Point cursorPos() = 0;
    virtual bool setCursorPos(Point screen) = 0;
    // A synthetic left button press and release at the cursor; it arrives asynchronously, so
    // the receiver sees it only once events have been processed.
    virtual void leftClick() = 0;

    // --- time and events ---
    virtual uint32_t tickCount() = 0; // milliseconds, wraps after 49.7 days
    // Handles the events that are pending now (timers due, clicks, paints) and returns.
    virtual void processEvents() = 0;
    // Keeps handling events until the tick count has reached `tick` (it may overshoot a little).
    // The virtual desktop jumps its clock from one due event to the next.
    virtual void waitUntil(uint32_t tick) = 0;

    // --- sound ---
    // Plays the system sound of the alias asynchronously; an unknown alias plays nothing.
    virtual void playSound(const std::string& alias) = 0;
    virtual void beep() = 0;

    // --- the system ---
    virtual std::vector<std::string> fontNames() = 0; // installed font families, UTF-8
    virtual int ansiCodePage() = 0;                   // 1252, 932, ...
    // True when another copy of the program named `programName` (file name without extension)
    // was already running when this one started.
    virtual bool previousInstance(const std::string& programName) = 0;
    virtual int platformId() = 0; // PlatformId values
    virtual Size screenSize() = 0;
    virtual bool openWebPage(const std::string& url) = 0;
    virtual std::string programFolder() = 0; // absolute path of the executable's folder
};

} // namespace scorlet
