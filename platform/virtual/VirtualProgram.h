#pragma once
// One program running on a VirtualDesktop: its view of the desktop and its own forms.
//
//     VirtualDesktop desktop;
//     auto companion = desktop.startProgram("ScorletS", folder);
//     Form& main = companion->createForm("frmZ");         // companion is a Desktop and a Forms
//     ...
//     companion->clickControl("frmZ", "cmdBid");           // test hooks, see below
//
// run() drives the whole desktop (all programs' timers and windows) until this program quits, or
// until nothing is left that could ever happen (no timer running, nothing scheduled): then it
// returns -1 instead of waiting forever.

#include "platform/Desktop.h"
#include "platform/Forms.h"
#include "platform/FolderLock.h"
#include "platform/virtual/VirtualDesktop.h"

#include <memory>
#include <string>
#include <vector>

namespace scorlet {

class VirtualForm;

class VirtualProgram : public Desktop, public Forms {
public:
    VirtualProgram(VirtualDesktop& desktop, std::string name, std::string folder);
    ~VirtualProgram() override;

    const std::string& name() const { return m_name; }
    VirtualDesktop& desktop() { return m_desktop; }

    // --- Desktop ---
    WindowHandle firstWindow() override;
    WindowHandle nextWindow(WindowHandle window) override;
    bool isWindow(WindowHandle window) override;
    WindowHandle desktopWindow() override { return VirtualDesktop::DesktopHandle; }
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
    Point cursorPos() override { return m_desktop.cursor(); }
    bool setCursorPos(Point screen) override;
    void leftClick() override { m_desktop.click(MouseButton::Left); }
    uint32_t tickCount() override { return m_desktop.now(); }
    void processEvents() override { m_desktop.processEvents(); }
    void waitUntil(uint32_t tick) override;
    void playSound(const std::string& alias) override;
    void beep() override { m_desktop.recordSound(""); }
    std::vector<std::string> fontNames() override { return m_desktop.config().fonts; }
    int ansiCodePage() override { return m_desktop.config().codePage; }
    bool previousInstance(const std::string& programName) override;
    int platformId() override { return m_desktop.config().platformId; }
    Size screenSize() override { return m_desktop.config().screen; }
    bool openWebPage(const std::string& url) override;
    std::string programFolder() override { return m_folder; }

    // --- Forms ---
    Form& createForm(const std::string& name) override;
    Form* findForm(const std::string& name) override;
    int run() override;
    void quit(int exitCode = 0) override;
    bool quitting() const override { return m_quitting; }

    // --- test hooks ---
    Control* findControl(const std::string& form, const std::string& control);
    // A left click on the middle of a control (or form, when control is ""), through the
    // desktop's cursor, delivered at once.
    bool clickControl(const std::string& form, const std::string& control);
    bool rightClickControl(const std::string& form, const std::string& control);
    bool doubleClickControl(const std::string& form, const std::string& control);
    bool clickMenu(const std::string& form, const std::string& menu);
    bool pressKey(const std::string& form, const KeyEvent& key);
    // The user closes the form with its close box.
    bool requestClose(const std::string& form);
    std::string caption(const std::string& form, const std::string& control);
    bool menuChecked(const std::string& form, const std::string& menu);
    // Every text drawn on the form's surface (or a picture of it) since it was last cleared.
    std::vector<std::string> drawnTexts(const std::string& form, const std::string& picture = "");
    // The form's client area as it shows (background, drawings and controls).
    Image formImage(const std::string& form);

    // --- used by the virtual forms ---
    VirtualForm* formOf(WindowHandle window);
    void dispatchMouse(WindowHandle window, const MouseEvent& clientEvent, bool doubleClick);
    void collectClosedForms();

private:
    VirtualForm* form(const std::string& name);
    bool clickAt(const std::string& form, const std::string& control, int button, bool doubleClick);

    VirtualDesktop& m_desktop;
    std::string m_name;
    std::string m_folder;
    bool m_previousInstance { false };
    bool m_lockAsked { false };
    FolderLock m_lock;
    bool m_quitting { false };
    int m_exitCode { 0 };
    std::vector<std::unique_ptr<VirtualForm>> m_forms;
};

} // namespace scorlet
