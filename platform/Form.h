#pragma once
// A top-level window of the program with its controls. On the desktop it is a window like any
// other (title, frame, client area, handle in the window walk). The form's caption is its title,
// its bounds are its screen rectangle, frame included. Controls are placed in client coordinates.

#include "platform/Button.h"
#include "platform/Canvas.h"
#include "platform/Control.h"
#include "platform/Frame.h"
#include "platform/Label.h"
#include "platform/ListBox.h"
#include "platform/MenuItem.h"
#include "platform/PictureBox.h"
#include "platform/TextBox.h"
#include "platform/Print.h"
#include "platform/Timer.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace scorlet {

enum class BorderStyle { Sizable, Fixed, ToolWindow, None };
enum class WindowState { Normal, Minimized, Maximized };

class Form : public Control {
public:
    explicit Form(std::string name) : Control(std::move(name)) { storeVisible(false); }

    virtual WindowHandle handle() const = 0;

    // The client area's size; setting it resizes the window around it.
    virtual Size clientSize() const = 0;
    virtual void setClientSize(Size size) = 0;

    BorderStyle borderStyle() const { return m_borderStyle; }
    void setBorderStyle(BorderStyle style) { set(m_borderStyle, style, Property::BorderStyle); }

    bool topmost() const { return m_topmost; }
    void setTopmost(bool on) { set(m_topmost, on, Property::Topmost); }

    WindowState windowState() const { return m_windowState; }
    void setWindowState(WindowState state) { set(m_windowState, state, Property::WindowState); }

    // Controls, owned by the form.
    virtual Button& addButton(const std::string& name) = 0;
    virtual Label& addLabel(const std::string& name) = 0;
    virtual ListBox& addListBox(const std::string& name) = 0;
    virtual TextBox& addTextBox(const std::string& name) = 0;
    virtual Frame& addFrame(const std::string& name) = 0;
    virtual PictureBox& addPicture(const std::string& name) = 0;
    virtual Timer& addTimer(const std::string& name) = 0;
    virtual MenuItem& addMenu(const std::string& name, const std::string& caption) = 0;

    Control* control(const std::string& name) const;
    Timer* timer(const std::string& name) const;
    MenuItem* menu(const std::string& name) const; // searches sub-menus too
    const std::vector<std::unique_ptr<Control>>& controls() const { return m_controls; }
    const std::vector<std::unique_ptr<MenuItem>>& menus() const { return m_menus; }
    const std::vector<std::unique_ptr<Timer>>& timers() const { return m_timers; }

    // The client area as a drawing surface (the background under the controls).
    virtual Canvas& canvas() = 0;
    // Where PrintLine writes next.
    PrintState& printState() { return m_print; }

    // Unloads the form: onQueryClose may refuse; otherwise onUnload runs, the window goes away,
    // its timers stop. The user closing the window takes the same path.
    virtual void close() = 0;
    virtual bool loaded() const = 0;

    // Every key pressed while the form is active, before any control sees it; Esc then presses
    // the form's cancel button, if it has one.
    std::function<void(const KeyEvent&)> onKeyDown;
    std::function<void()> onResize;                // size or window state changed
    std::function<bool()> onQueryClose;            // false keeps the form open
    std::function<void()> onUnload;

protected:
    template <class T>
    T& adopt(std::unique_ptr<T> control)
    {
        T& ref = *control;
        m_controls.push_back(std::move(control));
        return ref;
    }
    Timer& adoptTimer(std::unique_ptr<Timer> timer);
    MenuItem& adoptMenu(std::unique_ptr<MenuItem> menu);
    // For platforms: the window's state changed on screen.
    void storeWindowState(WindowState state) { m_windowState = state; }
    void storeTopmost(bool on) { m_topmost = on; }

private:
    BorderStyle m_borderStyle { BorderStyle::Fixed };
    bool m_topmost { false };
    WindowState m_windowState { WindowState::Normal };
    std::vector<std::unique_ptr<Control>> m_controls;
    std::vector<std::unique_ptr<Timer>> m_timers;
    std::vector<std::unique_ptr<MenuItem>> m_menus;
    PrintState m_print;
};

} // namespace scorlet
