#pragma once
// The Forms classes on real windows: a form is a top-level window, its controls are child windows
// (STATIC, BUTTON, LISTBOX and an owner-drawn picture class), its menus an HMENU bar, its timers
// SetTimer timers. Private to platform/win32; OS handles are kept as void* so this header stays
// free of <windows.h>.

#include "platform/Form.h"

#include <map>
#include <memory>
#include <string>

namespace scorlet::win32 {

class Win32Form;

// GDI fonts by Font value, created on first use, deleted with the cache.
class FontCache {
public:
    FontCache() = default;
    ~FontCache();
    FontCache(const FontCache&) = delete;
    FontCache& operator=(const FontCache&) = delete;
    void* get(const Font& font); // HFONT

private:
    std::map<std::string, void*> m_fonts;
};

// A drawing surface kept in a 32-bit DIB section: what is drawn stays until drawn over, and the
// window shows it by copying it in WM_PAINT.
class BackBuffer final : public Canvas {
public:
    BackBuffer(void* window, FontCache& fonts, Color fill);
    ~BackBuffer() override;
    BackBuffer(const BackBuffer&) = delete;
    BackBuffer& operator=(const BackBuffer&) = delete;

    // New size; the old picture is kept at the top-left corner, new parts get `fill`.
    void resize(Size size, Color fill);
    // Copies the picture to the DC's origin, starting at `from` of the picture.
    void paintTo(void* dc, Point from = {}) const;

    Size size() const override { return m_size; }
    void drawText(Point at, const std::string& text, const Font& font, Color color) override;
    int textWidth(const std::string& text, const Font& font) const override;
    int textHeight(const Font& font) const override;
    void drawLine(Point from, Point to, Color color, int thickness = 1) override;
    void fillRect(const Rect& rect, Color color) override;
    using Canvas::drawImage;
    void drawImage(Point at, const Image& image, const Rect& source) override;
    Image readImage(const Rect& area) const override;
    void clear(Color color) override;

private:
    void invalidate();
    uint32_t* bits() const; // the DIB's pixels, top row first, after pending GDI work is done

    void* m_window;
    FontCache& m_fonts;
    void* m_dc = nullptr;
    void* m_bitmap = nullptr;
    void* m_oldBitmap = nullptr;
    uint32_t* m_bits = nullptr;
    Size m_size;
};

// A control's child window: the common part of every control kind. Frames always lie below the
// other controls of their form, whichever was made first.
class ChildWindow {
public:
    ChildWindow(Win32Form& form, Control& control) : m_form(form), m_control(control) { }
    virtual ~ChildWindow();
    ChildWindow(const ChildWindow&) = delete;
    ChildWindow& operator=(const ChildWindow&) = delete;

    void* hwnd() const { return m_hwnd; }
    Control& control() { return m_control; }
    Win32Form& form() { return m_form; }

    // Puts a changed common property on the screen.
    void apply(Property property);
    // WM_COMMAND notifications from the control.
    virtual void notify(int code);
    // WM_DRAWITEM for an owner-drawn control (a DRAWITEMSTRUCT).
    virtual void draw(const void* item);
    // Mouse buttons pressed on the control (from its subclass procedure).
    void mouseDown(int button, int x, int y, unsigned keys);
    // The window is gone (destroyed with its form, or remade).
    void detach();
    bool pressed = false; // for controls that make clicks themselves: the left button went down here

protected:
    // Creates the window; called by the control kinds' constructors.
    void create(const wchar_t* className, uint32_t style);
    void destroy();

    Win32Form& m_form;
    Control& m_control;
    void* m_hwnd = nullptr;
};

// Owner-drawn, so that its back and fore colours show on every system.
class Win32Button final : public Button, public ChildWindow {
public:
    Win32Button(Win32Form& form, const std::string& name);
    void notify(int code) override;
    void draw(const void* item) override;

protected:
    void changed(Property property) override { apply(property); }
};

class Win32Label final : public Label, public ChildWindow {
public:
    Win32Label(Win32Form& form, const std::string& name);
    void notify(int code) override;

protected:
    void changed(Property property) override;
};

// A group box of its own class: an etched outline with the caption set into its top edge, and
// inside it whatever the form shows there (the form's back colour and drawings).
class Win32Frame final : public Frame, public ChildWindow {
public:
    Win32Frame(Win32Form& form, const std::string& name);
    void paint(void* dc);

protected:
    void changed(Property property) override;
};

class Win32TextBox final : public TextBox, public ChildWindow {
public:
    Win32TextBox(Win32Form& form, const std::string& name);
    void notify(int code) override;

protected:
    void changed(Property property) override { apply(property); }
};

class Win32ListBox final : public ListBox, public ChildWindow {
public:
    Win32ListBox(Win32Form& form, const std::string& name);
    void notify(int code) override;

protected:
    void changed(Property property) override;

private:
    void make(); // (re)creates the list window in the current multi-select mode
    void showItems();
    void showSelection();
    bool m_madeMulti = false;
};

class Win32Picture final : public PictureBox, public ChildWindow {
public:
    Win32Picture(Win32Form& form, const std::string& name);
    Canvas& canvas() override { return *m_canvas; }
    BackBuffer& buffer() { return *m_canvas; }

protected:
    void changed(Property property) override;

private:
    std::unique_ptr<BackBuffer> m_canvas;
};

class Win32Timer final : public Timer {
public:
    Win32Timer(Win32Form& form, const std::string& name, unsigned id) : Timer(name), m_form(form), m_id(id) { }
    unsigned id() const { return m_id; }
    void tick(); // a WM_TIMER arrived; skipped while the previous tick's handler still runs

protected:
    void changed() override;

private:
    Win32Form& m_form;
    unsigned m_id;
    bool m_inHandler = false;
};

class Win32MenuItem final : public MenuItem {
public:
    Win32MenuItem(Win32Form& form, const std::string& name, const std::string& caption)
        : MenuItem(name, caption), m_form(form)
    {
    }
    MenuItem& addItem(const std::string& name, const std::string& caption) override;

protected:
    void changed() override;

private:
    Win32Form& m_form;
};

class Win32Form final : public Form {
public:
    Win32Form(const std::string& name, FontCache& fonts);
    ~Win32Form() override;

    WindowHandle handle() const override;
    Size clientSize() const override;
    void setClientSize(Size size) override;
    Button& addButton(const std::string& name) override;
    Label& addLabel(const std::string& name) override;
    ListBox& addListBox(const std::string& name) override;
    TextBox& addTextBox(const std::string& name) override;
    Frame& addFrame(const std::string& name) override;
    PictureBox& addPicture(const std::string& name) override;
    Timer& addTimer(const std::string& name) override;
    MenuItem& addMenu(const std::string& name, const std::string& caption) override;
    Canvas& canvas() override { return *m_canvas; }
    BackBuffer& buffer() { return *m_canvas; }
    void close() override;
    bool loaded() const override { return m_hwnd != nullptr; }

    // For the controls and the event loop.
    void* hwnd() const { return m_hwnd; }
    FontCache& fonts() { return m_fonts; }
    void adoptChild(void* child, ChildWindow* window) { m_children[child] = window; }
    void dropChild(void* child) { m_children.erase(child); }
    void attach(void* hwnd) { m_hwnd = hwnd; } // from the window procedure, during creation
    void rebuildMenu();
    void updateTimer(Win32Timer& timer);
    void updateToolTip(ChildWindow& child);
    void dropToolTip(ChildWindow& child);
    void lowerFrames(); // every frame below the other controls, in the order they were made
    void* brush(Color color); // HBRUSH, kept until the form goes
    // A key went down in this form or one of its controls: onKeyDown, and Esc presses the
    // cancel button. True when the key was used up.
    bool keyDown(int keyCode);
    intptr_t handleMessage(unsigned msg, uintptr_t wParam, intptr_t lParam);

protected:
    void changed(Property property) override;

private:
    uint32_t styleBits() const;
    uint32_t exStyleBits() const;
    void applyBorderStyle();
    void repaintFrames(const void* area); // a RECT of the client area that was painted
    void storeScreenState();
    void mouse(unsigned msg, uintptr_t wParam, intptr_t lParam);
    void command(uintptr_t wParam, intptr_t lParam);

    FontCache& m_fonts;
    void* m_hwnd = nullptr;
    void* m_menuBar = nullptr;
    void* m_toolTip = nullptr;
    std::unique_ptr<BackBuffer> m_canvas;
    std::map<void*, ChildWindow*> m_children;
    std::map<unsigned, MenuItem*> m_menuCommands;
    std::map<Color, void*> m_brushes;
    unsigned m_nextTimerId = 1;
    bool m_leftDown = false;
    bool m_closing = false;
    BorderStyle m_shownBorder = BorderStyle::Fixed; // the style the window was made or last set with
};

// The window classes of forms, pictures and frames, registered once per program.
bool RegisterFormClasses();
bool RegisterControlClasses();

} // namespace scorlet::win32
