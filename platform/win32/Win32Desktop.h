#pragma once
// The Desktop interface on the real Windows API. One per program, created on the thread that owns
// the program's windows (the message queue is per thread).

#include "platform/Desktop.h"
#include "platform/FolderLock.h"

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace scorlet {

class Win32Desktop final : public Desktop {
public:
    Win32Desktop();
    ~Win32Desktop() override;
    Win32Desktop(const Win32Desktop&) = delete;
    Win32Desktop& operator=(const Win32Desktop&) = delete;

    WindowHandle firstWindow() override;
    WindowHandle nextWindow(WindowHandle window) override;
    bool isWindow(WindowHandle window) override;
    WindowHandle desktopWindow() override;
    std::string windowTitle(WindowHandle window) override;
    uint32_t windowStyle(WindowHandle window) override;
    bool windowRect(WindowHandle window, Rect& out) override;
    bool clientRect(WindowHandle window, Rect& out) override;
    bool clientOrigin(WindowHandle window, Point& out) override;
    bool moveWindow(WindowHandle window, const Rect& screenRect, bool repaint) override;
    bool showWindow(WindowHandle window, int showCommand) override;
    bool setTopmost(WindowHandle window, bool topmost) override;
    bool isTopmost(WindowHandle window) override;
    bool repaintWindow(WindowHandle window) override;

    int copyPixels(WindowHandle window, bool clientOnly, const Rect& source, uint16_t* out, int stride) override;
    bool paintPixels(WindowHandle window, bool clientOnly, Point at, const Image& image) override;

    Point cursorPos() override;
    bool setCursorPos(Point screen) override;
    void leftClick() override;

    uint32_t tickCount() override;
    void processEvents() override;
    void waitUntil(uint32_t tick) override;

    void playSound(const std::string& alias) override;
    void beep() override;

    std::vector<std::string> fontNames() override;
    int ansiCodePage() override;
    bool previousInstance(const std::string& programName) override;
    int platformId() override;
    Size screenSize() override;
    bool openWebPage(const std::string& url) override;
    std::string programFolder() override;

    // For the forms of the same program: a hook that sees each message (a MSG*) before it is
    // dispatched (true: handled, do not dispatch), and the quit request that makes the event loop
    // return. A WM_QUIT taken from the queue also counts as a request. Waits go on until their
    // time; the portable waits end early when told (see System.h).
    std::function<bool(void* msg)> preDispatch;
    void requestQuit(int exitCode);
    bool quitRequested() const { return m_quit; }
    int exitCode() const { return m_exitCode; }

private:
    bool m_quit {false};
    int m_exitCode {0};
    std::map<std::string, bool> m_instances; // program name -> another copy was running
    std::vector<void*> m_mutexes; // held for the whole run
    FolderLock m_folderLock;      // the own program's lock file in its folder, held for the run
};

} // namespace scorlet
