#include "platform/win32/Win32Util.h"
#include "platform/win32/Win32Widgets.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>

namespace scorlet::win32 {

namespace {

HWND Hwnd(void* p) { return static_cast<HWND>(p); }

MouseEvent MakeMouseEvent(int button, int x, int y, unsigned keys)
{
    MouseEvent event;
    event.button = button;
    event.shift = (keys & MK_SHIFT) != 0;
    event.ctrl = (keys & MK_CONTROL) != 0;
    event.x = x;
    event.y = y;
    return event;
}

// Every control window passes through here first: the mouse-down event, and the moment the
// window goes (with its form, or remade).
LRESULT CALLBACK ControlSubclass(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR data)
{
    auto* child = reinterpret_cast<ChildWindow*>(data);
    const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
    switch (msg) {
    case WM_LBUTTONDOWN:
        child->mouseDown(MouseButton::Left, x, y, static_cast<unsigned>(wParam));
        break;
    case WM_RBUTTONDOWN:
        child->mouseDown(MouseButton::Right, x, y, static_cast<unsigned>(wParam));
        break;
    case WM_MBUTTONDOWN:
        child->mouseDown(MouseButton::Middle, x, y, static_cast<unsigned>(wParam));
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, ControlSubclass, id);
        child->detach();
        break;
    }
    return DefSubclassProc(hwnd, msg, wParam, lParam);
}

// For the project's own control classes: a press and release is a click. True when used up.
bool ClickMessage(ChildWindow& child, UINT msg)
{
    Control& control = child.control();
    switch (msg) {
    case WM_LBUTTONDOWN:
        child.pressed = true;
        return true;
    case WM_LBUTTONUP: {
        const bool click = child.pressed;
        child.pressed = false;
        if (click && control.onClick)
            control.onClick();
        return true;
    }
    case WM_LBUTTONDBLCLK:
        if (control.onDoubleClick)
            control.onDoubleClick();
        return true;
    }
    return false;
}

// The picture's own class: shows its back buffer.
LRESULT CALLBACK PictureProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* picture = reinterpret_cast<Win32Picture*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!picture)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        picture->buffer().paintTo(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    }
    return ClickMessage(*picture, msg) ? 0 : DefWindowProcW(hwnd, msg, wParam, lParam);
}

// The frame's own class (the system's group box leaves its inside unpainted).
LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* frame = reinterpret_cast<Win32Frame*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!frame)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        frame->paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    }
    return ClickMessage(*frame, msg) ? 0 : DefWindowProcW(hwnd, msg, wParam, lParam);
}

bool RegisterClassOf(const wchar_t* name, WNDPROC procedure)
{
    WNDCLASSW wc {};
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.lpszClassName = name;
    return RegisterClassW(&wc) != 0;
}

// Text in a colour, or greyed and embossed as the system shows a disabled caption.
void DrawCaption(HDC dc, const std::wstring& text, RECT box, UINT format, bool enabled, Color color)
{
    SetBkMode(dc, TRANSPARENT);
    if (!enabled) {
        RECT shadow = box;
        OffsetRect(&shadow, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextW(dc, text.c_str(), -1, &shadow, format);
        color = GetSysColor(COLOR_GRAYTEXT);
    }
    SetTextColor(dc, color);
    DrawTextW(dc, text.c_str(), -1, &box, format);
}

} // namespace

bool RegisterControlClasses()
{
    return RegisterClassOf(L"ScorletPicture", PictureProc) && RegisterClassOf(L"ScorletFrame", FrameProc);
}

// --- the common part ---

ChildWindow::~ChildWindow() { destroy(); }

void ChildWindow::create(const wchar_t* className, uint32_t style)
{
    if (!m_form.hwnd())
        return;
    const Rect& b = m_control.bounds();
    style |= WS_CHILD | WS_CLIPSIBLINGS | (m_control.visible() ? WS_VISIBLE : 0)
        | (m_control.enabled() ? 0 : WS_DISABLED);
    HWND hwnd = CreateWindowExW(0, className, Widen(m_control.caption()).c_str(), style, b.left, b.top, b.width(),
                                b.height(), Hwnd(m_form.hwnd()), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd)
        return;
    m_hwnd = hwnd;
    SetWindowSubclass(hwnd, ControlSubclass, 1, reinterpret_cast<DWORD_PTR>(this));
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_form.fonts().get(m_control.font())), FALSE);
    m_form.adoptChild(m_hwnd, this);
    if (!m_control.toolTip().empty())
        m_form.updateToolTip(*this);
    m_form.lowerFrames(); // a new window starts at the bottom of its siblings
}

void ChildWindow::destroy()
{
    if (!m_hwnd)
        return;
    m_form.dropToolTip(*this);
    DestroyWindow(Hwnd(m_hwnd)); // the subclass procedure detaches
}

void ChildWindow::detach()
{
    m_form.dropChild(m_hwnd);
    m_hwnd = nullptr;
}

void ChildWindow::apply(Property property)
{
    HWND hwnd = Hwnd(m_hwnd);
    if (!hwnd)
        return;
    const Rect& b = m_control.bounds();
    switch (property) {
    case Property::Caption:
        SetWindowTextW(hwnd, Widen(m_control.caption()).c_str());
        break;
    case Property::Bounds:
        MoveWindow(hwnd, b.left, b.top, b.width(), b.height(), TRUE);
        break;
    case Property::Visible:
        ShowWindow(hwnd, m_control.visible() ? SW_SHOWNA : SW_HIDE);
        break;
    case Property::Enabled:
        EnableWindow(hwnd, m_control.enabled());
        break;
    case Property::Font:
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(m_form.fonts().get(m_control.font())), TRUE);
        break;
    case Property::ForeColor:
    case Property::BackColor:
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case Property::ToolTip:
        m_form.updateToolTip(*this);
        break;
    default:
        break;
    }
}

void ChildWindow::notify(int) { }

void ChildWindow::draw(const void*) { }

void ChildWindow::mouseDown(int button, int x, int y, unsigned keys)
{
    if (m_control.onMouseDown)
        m_control.onMouseDown(MakeMouseEvent(button, x, y, keys));
}

// --- the control kinds ---

Win32Button::Win32Button(Win32Form& form, const std::string& name) : Button(name), ChildWindow(form, *this)
{
    create(L"BUTTON", BS_OWNERDRAW | WS_TABSTOP);
}

void Win32Button::notify(int code)
{
    // An owner-drawn button reports the second click of a quick pair as a double click.
    if ((code == BN_CLICKED || code == BN_DOUBLECLICKED) && onClick)
        onClick();
}

// A raised face in the back colour, sunk while pressed; the caption centred, wrapped at spaces.
void Win32Button::draw(const void* item)
{
    const auto& drawn = *static_cast<const DRAWITEMSTRUCT*>(item);
    HDC dc = drawn.hDC;
    const bool pushed = (drawn.itemState & ODS_SELECTED) != 0;
    RECT face = drawn.rcItem;
    FillRect(dc, &face, static_cast<HBRUSH>(m_form.brush(backColor())));
    DrawEdge(dc, &face, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT | BF_SOFT | BF_ADJUST);

    HGDIOBJ oldFont = SelectObject(dc, static_cast<HFONT>(m_form.fonts().get(font())));
    const std::wstring text = Widen(caption());
    const UINT format = DT_CENTER | DT_WORDBREAK | ((drawn.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    RECT box = face;
    InflateRect(&box, -1, 0);
    RECT measured = box;
    DrawTextW(dc, text.c_str(), -1, &measured, format | DT_CALCRECT);
    box.top += std::max(0L, (box.bottom - box.top - (measured.bottom - measured.top)) / 2);
    if (pushed)
        OffsetRect(&box, 1, 1);
    DrawCaption(dc, text, box, format, (drawn.itemState & ODS_DISABLED) == 0, foreColor());
    SelectObject(dc, oldFont);

    if ((drawn.itemState & ODS_FOCUS) && !(drawn.itemState & ODS_NOFOCUSRECT)) {
        InflateRect(&face, -1, -1);
        DrawFocusRect(dc, &face);
    }
}

Win32Label::Win32Label(Win32Form& form, const std::string& name) : Label(name), ChildWindow(form, *this)
{
    create(L"STATIC", SS_LEFT | SS_NOTIFY | SS_NOPREFIX);
}

void Win32Label::changed(Property property)
{
    if (property != Property::Alignment || !m_hwnd) {
        apply(property);
        return;
    }
    const LONG_PTR align = alignment() == Alignment::Center ? SS_CENTER
        : alignment() == Alignment::Right                   ? SS_RIGHT
                                                            : SS_LEFT;
    const LONG_PTR style = GetWindowLongPtrW(Hwnd(m_hwnd), GWL_STYLE) & ~static_cast<LONG_PTR>(SS_TYPEMASK);
    SetWindowLongPtrW(Hwnd(m_hwnd), GWL_STYLE, style | align);
    InvalidateRect(Hwnd(m_hwnd), nullptr, TRUE);
}

void Win32Label::notify(int code)
{
    if (code == STN_CLICKED && onClick)
        onClick();
    else if (code == STN_DBLCLK && onDoubleClick)
        onDoubleClick();
}

Win32Frame::Win32Frame(Win32Form& form, const std::string& name) : Frame(name), ChildWindow(form, *this)
{
    create(L"ScorletFrame", 0);
    if (!m_hwnd)
        return;
    SetWindowLongPtrW(Hwnd(m_hwnd), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(static_cast<Win32Frame*>(this)));
    SetWindowPos(Hwnd(m_hwnd), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32Frame::changed(Property property)
{
    apply(property);
    if (m_hwnd)
        InvalidateRect(Hwnd(m_hwnd), nullptr, FALSE); // caption, font, colours and enabled state are drawn here
}

void Win32Frame::paint(void* context)
{
    HDC dc = static_cast<HDC>(context);
    RECT all;
    GetClientRect(Hwnd(m_hwnd), &all);
    const Rect& b = bounds();
    BackBuffer& under = m_form.buffer();
    if (b.left < 0 || b.top < 0 || b.right > under.size().width || b.bottom > under.size().height)
        FillRect(dc, &all, static_cast<HBRUSH>(m_form.brush(m_form.backColor())));
    under.paintTo(dc, {b.left, b.top});

    HGDIOBJ oldFont = SelectObject(dc, static_cast<HFONT>(m_form.fonts().get(font())));
    const std::wstring text = Widen(caption());
    RECT label {8, 0, all.right, all.bottom};
    DrawTextW(dc, text.c_str(), -1, &label, DT_SINGLELINE | DT_CALCRECT);
    RECT outline = all;
    if (!text.empty())
        outline.top += (label.bottom - label.top) / 2 - 1;
    DrawEdge(dc, &outline, EDGE_ETCHED, BF_RECT);
    if (!text.empty()) { // the caption sits in a gap of the outline, on the frame's back colour
        const RECT gap {label.left - 2, label.top, label.right + 2, label.bottom};
        FillRect(dc, &gap, static_cast<HBRUSH>(m_form.brush(backColor())));
        DrawCaption(dc, text, label, DT_SINGLELINE, enabled(), foreColor());
    }
    SelectObject(dc, oldFont);
}

Win32Picture::Win32Picture(Win32Form& form, const std::string& name) : PictureBox(name), ChildWindow(form, *this)
{
    create(L"ScorletPicture", 0);
    m_canvas = std::make_unique<BackBuffer>(m_hwnd, form.fonts(), backColor());
    if (m_hwnd)
        SetWindowLongPtrW(Hwnd(m_hwnd), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void Win32Picture::changed(Property property)
{
    if (property == Property::Bounds)
        m_canvas->resize({bounds().width(), bounds().height()}, backColor());
    else if (property == Property::BackColor)
        m_canvas->clear(backColor());
    apply(property);
}

// --- the list ---

Win32TextBox::Win32TextBox(Win32Form& form, const std::string& name) : TextBox(name), ChildWindow(form, *this)
{
    create(L"EDIT", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL);
}

void Win32TextBox::notify(int code)
{
    HWND hwnd = Hwnd(m_hwnd);
    if (code != EN_CHANGE || !hwnd)
        return;
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    const std::string typed = Narrow(text);
    if (typed != caption())
        storeText(typed);
}

Win32ListBox::Win32ListBox(Win32Form& form, const std::string& name) : ListBox(name), ChildWindow(form, *this)
{
    make();
}

void Win32ListBox::make()
{
    destroy();
    m_madeMulti = multiSelect();
    create(L"LISTBOX",
           WS_VSCROLL | WS_BORDER | WS_TABSTOP | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT
               | (m_madeMulti ? LBS_EXTENDEDSEL : 0));
    showItems();
    showSelection();
}

void Win32ListBox::showItems()
{
    HWND hwnd = Hwnd(m_hwnd);
    if (!hwnd)
        return;
    SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd, LB_RESETCONTENT, 0, 0);
    for (const std::string& item : items())
        SendMessageW(hwnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item).c_str()));
    SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void Win32ListBox::showSelection()
{
    HWND hwnd = Hwnd(m_hwnd);
    if (!hwnd)
        return;
    if (m_madeMulti) {
        for (int i = 0; i < count(); ++i)
            SendMessageW(hwnd, LB_SETSEL, selected(i) ? TRUE : FALSE, i);
        if (listIndex() >= 0)
            SendMessageW(hwnd, LB_SETCARETINDEX, listIndex(), FALSE);
    } else {
        SendMessageW(hwnd, LB_SETCURSEL, listIndex(), 0);
    }
}

void Win32ListBox::changed(Property property)
{
    // The selection mode is a creation style of the list: a change needs a new window.
    if (multiSelect() != m_madeMulti) {
        make();
        return;
    }
    if (property == Property::Items) {
        showItems();
        showSelection();
    } else if (property == Property::Selection) {
        showSelection();
    } else {
        apply(property);
    }
}

void Win32ListBox::notify(int code)
{
    HWND hwnd = Hwnd(m_hwnd);
    if (code == LBN_SELCHANGE) {
        std::vector<bool> selection(static_cast<size_t>(count()));
        int current = -1;
        if (m_madeMulti) {
            for (int i = 0; i < count(); ++i)
                selection[static_cast<size_t>(i)] = SendMessageW(hwnd, LB_GETSEL, i, 0) > 0;
            current = static_cast<int>(SendMessageW(hwnd, LB_GETCARETINDEX, 0, 0));
        } else {
            current = static_cast<int>(SendMessageW(hwnd, LB_GETCURSEL, 0, 0));
            if (current >= 0 && current < count())
                selection[static_cast<size_t>(current)] = true;
        }
        storeSelection(std::move(selection), current >= count() ? -1 : current);
        if (onClick)
            onClick();
    } else if (code == LBN_DBLCLK && onDoubleClick) {
        onDoubleClick();
    }
}

// --- timers and menus ---

void Win32Timer::changed() { m_form.updateTimer(*this); }

void Win32Timer::tick()
{
    if (m_inHandler || !running() || !onTimer)
        return;
    m_inHandler = true;
    onTimer();
    m_inHandler = false;
}

MenuItem& Win32MenuItem::addItem(const std::string& name, const std::string& caption)
{
    MenuItem& item = adopt(std::make_unique<Win32MenuItem>(m_form, name, caption));
    m_form.rebuildMenu();
    return item;
}

void Win32MenuItem::changed() { m_form.rebuildMenu(); }

} // namespace scorlet::win32
