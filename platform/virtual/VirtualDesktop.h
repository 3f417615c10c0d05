#pragma once
// An in-memory desktop: top-level windows with frames, z-order and 24-bit pixel surfaces, a
// cursor, and a millisecond clock that moves only when a program waits or processes events,
// jumping straight to the next due event. Several programs share one desktop; each gets its own
// VirtualProgram (its Desktop and Forms).
//
// Captures read the window's own surface: windows lying over it do not matter (the programs make
// the windows they read top-most first, so on Windows the result is the same). Hidden and
// minimised windows read 0.
//
// A plain window for another in-process program (the substitute game table) can be made either
// as a form of its own VirtualProgram (portable: the same code runs on win32) or directly here:
//
//     WindowHandle w = desktop.createWindow({"Yahoo! Spades - Game: Spades", {0, 0, 640, 480}});
//     desktop.surface(w).set(10, 10, Rgb(255, 0, 0));   // draw into the client area
//     desktop.setMouseHandler(w, [](const MouseEvent& e) { /* e.x, e.y: client coordinates */ });
//
// The surface of such a window is its client area; the frame is drawn by the desktop.
//
// The desktop must outlive its programs. Everything runs on the calling thread.

#include "platform/Types.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace scorlet {

class VirtualProgram;

struct VirtualDesktopConfig {
    Size screen { 1280, 1024 };
    int platformId = PlatformId::WindowsNT;
    int codePage = 1252;
    std::vector<std::string> fonts { "Arial", "Courier New", "MS Sans Serif", "Symbol", "Tahoma", "Times New Roman" };
    uint32_t startTick = 100000;
    int clickDelayMs = 90;       // a synthetic click arrives this much later
    int processEventsCostMs = 1; // each processEvents() moves the clock this far
    // Each program holds a lock file in its folder from its first previousInstance() question
    // on, as the real programs do, so a copy on another desktop (another process) in the same
    // folder is refused. Off by default: tests run many programs in one process side by side.
    bool folderLocks = false;
};

// The frame of a window: thickness of each edge of the non-client area.
struct WindowFrame {
    int border = 0;  // every edge
    int caption = 0; // the caption bar, below the top border
    int menuBar = 0; // the menu bar, below the caption

    static WindowFrame captioned() { return {4, 23}; }
    static WindowFrame toolWindow() { return {3, 17}; }
    static WindowFrame none() { return {0, 0}; }
};

struct WindowSpec {
    std::string title;
    Rect rect;                    // screen rectangle of the whole window, frame included
    uint32_t style = WindowStyle::OverlappedWindow | WindowStyle::Visible;
    WindowFrame frame = WindowFrame::captioned();
    bool topmost = false;
    Color background = Colors::White;
};

struct SoundEvent {
    uint32_t tick = 0;
    std::string alias; // "" for a beep
};

class VirtualDesktop {
public:
    explicit VirtualDesktop(VirtualDesktopConfig config = {});
    ~VirtualDesktop();
    VirtualDesktop(const VirtualDesktop&) = delete;
    VirtualDesktop& operator=(const VirtualDesktop&) = delete;

    VirtualDesktopConfig& config() { return m_config; }

    // A program on this desktop. `folder` is its program folder (an existing directory);
    // previousInstance() of the program is true when one of the same name is already running.
    std::unique_ptr<VirtualProgram> startProgram(const std::string& name, const std::string& folder = ".");
    void forcePreviousInstance(bool on) { m_forcePreviousInstance = on; }

    // --- windows ---
    WindowHandle createWindow(const WindowSpec& windowSpec);
    void destroyWindow(WindowHandle window);
    bool exists(WindowHandle window) const;
    void setTitle(WindowHandle window, const std::string& title);
    void setStyle(WindowHandle window, uint32_t style);
    // The client area's pixels; draw into it freely. The image keeps the client size; resizing
    // the window keeps what fits.
    Image& surface(WindowHandle window);
    // Called with client coordinates when a click lands in the client area.
    void setMouseHandler(WindowHandle window, std::function<void(const MouseEvent&)> handler);
    // Called when the window is asked to repaint (after something painted over it).
    void setPaintHandler(WindowHandle window, std::function<void()> handler);
    // The whole window as it shows: frame and client, plus whatever was painted over them.
    Image windowImage(WindowHandle window) const;
    // Top-level windows in z-order, top first.
    const std::vector<WindowHandle>& zOrder() const { return m_zOrder; }
    WindowHandle windowAt(Point screen) const; // 0 when only the desktop is there

    // --- the clock and the events ---
    static constexpr WindowHandle DesktopHandle = 0x10000;
    uint32_t now() const { return m_now; }
    // When the next timer or scheduled action is due; false when nothing is pending at all.
    bool nextEventTick(uint32_t& tick) const;
    // How deeply event handlers are nested right now (0: no handler is running).
    int depth() const { return m_depth; }
    // Runs `action` once the clock reaches `tick` (inside processEvents/waits).
    void schedule(uint32_t tick, std::function<void()> action);
    // Drives the desktop from outside any program: handles events up to `ms` from now.
    void runFor(uint32_t ms);
    // Handles events until `done` is true or `maxMs` have passed; returns `done()`.
    bool runUntil(const std::function<bool()>& done, uint32_t maxMs);

    // --- input ---
    Point cursor() const { return m_cursor; }
    void setCursor(Point screen) { m_cursor = screen; }
    // Queues a click with the given button at the cursor; it arrives after clickDelayMs.
    void click(int button = MouseButton::Left);
    // Delivers a click (or a double click) at the cursor at once.
    void clickNow(int button = MouseButton::Left, bool doubleClick = false);

    // --- what happened ---
    const std::vector<SoundEvent>& sounds() const { return m_sounds; }
    const std::vector<std::string>& openedPages() const { return m_pages; }
    // Writes the window's image (frame included) or the whole screen (window 0) as a PNG file.
    bool dumpPng(WindowHandle window, const std::string& path) const;
    Image screenImage() const;

    // --- used by VirtualProgram ---
    struct Window;
    struct TimerEntry;
    Window* find(WindowHandle window);
    const Window* find(WindowHandle window) const;
    WindowHandle createOwnedWindow(const WindowSpec& windowSpec, VirtualProgram* owner);
    void processEvents();
    void waitUntil(uint32_t tick);
    // Timers: re-armed from now whenever (re)started; a timer never re-enters its own handler.
    int addTimer(VirtualProgram* owner, std::function<void()> handler);
    void setTimer(int id, uint32_t intervalMs, bool running);
    void removeTimer(int id);
    void removeProgram(VirtualProgram* program);
    int runningCopies(const std::string& name) const;
    bool previousInstanceForced() const { return m_forcePreviousInstance; }
    void recordSound(const std::string& alias) { m_sounds.push_back({m_now, alias}); }
    void recordPage(const std::string& url) { m_pages.push_back(url); }
    bool moveWindow(WindowHandle window, const Rect& rect);
    bool showWindow(WindowHandle window, int command);
    bool setTopmost(WindowHandle window, bool on);
    void paint(WindowHandle window, Point at, const Image& image, bool clientOnly);
    void repaint(WindowHandle window);
    Rect clientScreenRect(const Window& w) const;

    int copyPixels(WindowHandle window, bool clientOnly, const Rect& source, uint16_t* out, int stride) const;

private:
    bool deliverDue(); // one due event, if any; true when one ran
    void deliverAll();
    void deliverClick(int button, Point at, bool doubleClick);
    void placeInZOrder(WindowHandle window);
    void collectGarbage();

    VirtualDesktopConfig m_config;
    uint32_t m_now;
    Point m_cursor;
    bool m_forcePreviousInstance { false };
    WindowHandle m_nextHandle { 0x10010 };
    int m_depth { 0 };
    std::map<WindowHandle, std::unique_ptr<Window>> m_windows;
    std::vector<std::unique_ptr<Window>> m_destroyed; // freed once no handler runs
    std::vector<WindowHandle> m_zOrder; // top first
    std::vector<std::unique_ptr<TimerEntry>> m_timers;
    int m_nextTimerId { 1 };
    struct Scheduled {
        uint32_t tick;
        uint64_t order;
        std::function<void()> action;
    };
    std::vector<Scheduled> m_scheduled;
    uint64_t m_order { 0 };
    std::vector<VirtualProgram*> m_programs;
    std::vector<SoundEvent> m_sounds;
    std::vector<std::string> m_pages;
};

} // namespace scorlet
