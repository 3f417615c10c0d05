#include "platform/win32/Win32Util.h"
#include "platform/win32/Win32Widgets.h"

#include <windows.h>
#include <commctrl.h>

namespace scorlet::win32 {

namespace {

HWND Hwnd(void* p) { return static_cast<HWND>(p); }

constexpr unsigned FirstMenuCommand = 100;

LRESULT CALLBACK FormProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE) {
        auto* created = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
        static_cast<Win32Form*>(created->lpCreateParams)->attach(hwnd);
    }
    auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!form)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        form->attach(nullptr);
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
    const intptr_t result = form->handleMessage(msg, wParam, lParam);
    return result == -1 ? DefWindowProcW(hwnd, msg, wParam, lParam) : result;
}

void AppendItems(HMENU menu, const std::vector<std::unique_ptr<MenuItem>>& items,
                 std::map<unsigned, MenuItem*>& commands)
{
    for (const auto& item : items) {
        if (!item->visible())
            continue;
        if (item->caption() == "-") {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        UINT flags = (item->checked() ? MF_CHECKED : 0) | (item->enabled() ? 0 : MF_GRAYED);
        const std::wstring caption = Widen(item->caption());
        if (!item->items().empty()) {
            HMENU popup = CreatePopupMenu();
            AppendItems(popup, item->items(), commands);
            AppendMenuW(menu, flags | MF_POPUP, reinterpret_cast<UINT_PTR>(popup), caption.c_str());
        } else {
            const unsigned id = FirstMenuCommand + static_cast<unsigned>(commands.size());
            commands[id] = item.get();
            AppendMenuW(menu, flags | MF_STRING, id, caption.c_str());
        }
    }
}

} // namespace

bool RegisterFormClasses()
{
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls {sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSW wc {};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = FormProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
        wc.lpszClassName = L"ScorletForm";
        return RegisterClassW(&wc) != 0 && RegisterControlClasses();
    }();
    return registered;
}

Win32Form::Win32Form(const std::string& name, FontCache& fonts) : Form(name), m_fonts(fonts)
{
    storeVisible(false); // a new form shows only when the program says so
    m_shownBorder = borderStyle();
    RegisterFormClasses();
    CreateWindowExW(exStyleBits(), L"ScorletForm", L"", styleBits(), CW_USEDEFAULT, CW_USEDEFAULT, 320, 240, nullptr,
                    nullptr, GetModuleHandleW(nullptr), this);
    m_canvas = std::make_unique<BackBuffer>(m_hwnd, fonts, backColor());
    m_canvas->resize(clientSize(), backColor());
    storeScreenState();
}

Win32Form::~Win32Form()
{
    if (m_hwnd)
        DestroyWindow(Hwnd(m_hwnd)); // children first detach themselves
    if (m_menuBar)
        DestroyMenu(static_cast<HMENU>(m_menuBar));
    for (auto& [color, brush] : m_brushes)
        DeleteObject(static_cast<HBRUSH>(brush));
}

WindowHandle Win32Form::handle() const { return HandleOf(m_hwnd); }

uint32_t Win32Form::styleBits() const
{
    switch (borderStyle()) {
    case BorderStyle::Sizable:
        return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    case BorderStyle::Fixed:
        return WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    case BorderStyle::ToolWindow:
        return WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    case BorderStyle::None:
        break;
    }
    return WS_POPUP | WS_CLIPCHILDREN;
}

uint32_t Win32Form::exStyleBits() const
{
    // Top-most is not a style to set: SetWindowPos places the window (see changed()).
    return borderStyle() == BorderStyle::ToolWindow ? WS_EX_TOOLWINDOW : 0;
}

Size Win32Form::clientSize() const
{
    RECT r {0, 0, 0, 0};
    if (m_hwnd)
        GetClientRect(Hwnd(m_hwnd), &r);
    return {r.right, r.bottom};
}

void Win32Form::setClientSize(Size size)
{
    RECT r {0, 0, size.width, size.height};
    AdjustWindowRectEx(&r, styleBits(), m_menuBar != nullptr, exStyleBits());
    const Rect& b = bounds();
    setBounds({b.left, b.top, b.left + r.right - r.left, b.top + r.bottom - r.top});
    // The estimate takes the menu bar as one line; a bar too wide for the window wraps.
    const Size now = clientSize();
    if (!m_hwnd || windowState() != WindowState::Normal || now == size)
        return;
    const Rect placed = bounds();
    setBounds({placed.left, placed.top, placed.right + size.width - now.width, placed.bottom + size.height - now.height});
}

// What the user or the system did to the window goes back into the properties.
void Win32Form::storeScreenState()
{
    RECT r;
    if (!m_hwnd || !GetWindowRect(Hwnd(m_hwnd), &r))
        return;
    if (IsIconic(Hwnd(m_hwnd)))
        storeWindowState(WindowState::Minimized);
    else
        storeBounds({r.left, r.top, r.right, r.bottom});
}

void Win32Form::applyBorderStyle()
{
    HWND hwnd = Hwnd(m_hwnd);
    if (!hwnd || borderStyle() == m_shownBorder)
        return;
    const LONG_PTR keep = GetWindowLongPtrW(hwnd, GWL_STYLE) & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE | WS_DISABLED);
    SetWindowLongPtrW(hwnd, GWL_STYLE, static_cast<LONG_PTR>(styleBits()) | keep);
    SetWindowLongPtrW(hwnd, GWL_EXSTYLE, exStyleBits() | (topmost() ? WS_EX_TOPMOST : 0));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_shownBorder = borderStyle();
}

void Win32Form::changed(Property property)
{
    HWND hwnd = Hwnd(m_hwnd);
    if (!hwnd)
        return;
    switch (property) {
    case Property::Caption:
        SetWindowTextW(hwnd, Widen(caption()).c_str());
        break;
    case Property::BorderStyle:
        applyBorderStyle();
        break;
    case Property::Bounds: {
        const Rect b = bounds(); // before anything the window reports back while it changes
        applyBorderStyle();
        if (!b.empty())
            MoveWindow(hwnd, b.left, b.top, b.width(), b.height(), TRUE);
        break;
    }
    case Property::Visible:
        if (!visible())
            ShowWindow(hwnd, SW_HIDE);
        else if (windowState() == WindowState::Minimized)
            ShowWindow(hwnd, SW_SHOWMINNOACTIVE);
        else
            ShowWindow(hwnd, windowState() == WindowState::Maximized ? SW_SHOWMAXIMIZED : SW_SHOW);
        break;
    case Property::Topmost:
        SetWindowPos(hwnd, topmost() ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        break;
    case Property::WindowState:
        if (visible())
            ShowWindow(hwnd,
                       windowState() == WindowState::Minimized       ? SW_MINIMIZE
                           : windowState() == WindowState::Maximized ? SW_MAXIMIZE
                                                                     : SW_RESTORE);
        break;
    case Property::Enabled:
        EnableWindow(hwnd, enabled());
        break;
    case Property::BackColor:
        m_canvas->clear(backColor());
        break;
    default:
        break;
    }
}

// --- controls ---

Button& Win32Form::addButton(const std::string& name) { return adopt(std::make_unique<Win32Button>(*this, name)); }
Label& Win32Form::addLabel(const std::string& name) { return adopt(std::make_unique<Win32Label>(*this, name)); }
ListBox& Win32Form::addListBox(const std::string& name) { return adopt(std::make_unique<Win32ListBox>(*this, name)); }
TextBox& Win32Form::addTextBox(const std::string& name) { return adopt(std::make_unique<Win32TextBox>(*this, name)); }
Frame& Win32Form::addFrame(const std::string& name) { return adopt(std::make_unique<Win32Frame>(*this, name)); }
PictureBox& Win32Form::addPicture(const std::string& name)
{
    return adopt(std::make_unique<Win32Picture>(*this, name));
}

Timer& Win32Form::addTimer(const std::string& name)
{
    return adoptTimer(std::make_unique<Win32Timer>(*this, name, m_nextTimerId++));
}

MenuItem& Win32Form::addMenu(const std::string& name, const std::string& caption)
{
    MenuItem& menu = adoptMenu(std::make_unique<Win32MenuItem>(*this, name, caption));
    rebuildMenu();
    return menu;
}

void Win32Form::rebuildMenu()
{
    HWND hwnd = Hwnd(m_hwnd);
    if (!hwnd)
        return;
    m_menuCommands.clear();
    HMENU bar = CreateMenu();
    AppendItems(bar, menus(), m_menuCommands);
    const bool empty = GetMenuItemCount(bar) == 0;
    SetMenu(hwnd, empty ? nullptr : bar);
    if (m_menuBar)
        DestroyMenu(static_cast<HMENU>(m_menuBar));
    if (empty) {
        DestroyMenu(bar);
        bar = nullptr;
    }
    m_menuBar = bar;
    DrawMenuBar(hwnd);
}

void Win32Form::updateTimer(Win32Timer& timer)
{
    if (!m_hwnd)
        return;
    KillTimer(Hwnd(m_hwnd), timer.id());
    if (timer.running())
        SetTimer(Hwnd(m_hwnd), timer.id(), static_cast<UINT>(timer.interval()), nullptr);
}

void Win32Form::updateToolTip(ChildWindow& child)
{
    if (!m_hwnd || !child.hwnd())
        return;
    if (!m_toolTip)
        m_toolTip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Hwnd(m_hwnd), nullptr,
                                    GetModuleHandleW(nullptr), nullptr);
    if (!m_toolTip)
        return;
    std::wstring text = Widen(child.control().toolTip());
    TTTOOLINFOW tool {};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = Hwnd(m_hwnd);
    tool.uId = reinterpret_cast<UINT_PTR>(child.hwnd());
    SendMessageW(Hwnd(m_toolTip), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    if (!text.empty()) {
        tool.lpszText = text.data();
        SendMessageW(Hwnd(m_toolTip), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void Win32Form::dropToolTip(ChildWindow& child)
{
    if (!m_toolTip || !child.hwnd())
        return;
    TTTOOLINFOW tool {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = Hwnd(m_hwnd);
    tool.uId = reinterpret_cast<UINT_PTR>(child.hwnd());
    SendMessageW(Hwnd(m_toolTip), TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Win32Form::lowerFrames()
{
    for (const auto& control : controls())
        if (auto* frame = dynamic_cast<Win32Frame*>(control.get()); frame && frame->hwnd())
            SetWindowPos(Hwnd(frame->hwnd()), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Frames show the form's picture inside them: what was just painted under a frame is painted
// there too.
void Win32Form::repaintFrames(const void* area)
{
    const RECT& painted = *static_cast<const RECT*>(area);
    for (const auto& control : controls()) {
        auto* frame = dynamic_cast<Win32Frame*>(control.get());
        if (!frame || !frame->hwnd() || !frame->visible())
            continue;
        const Rect& b = frame->bounds();
        const RECT place {b.left, b.top, b.right, b.bottom};
        RECT both;
        if (!IntersectRect(&both, &place, &painted))
            continue;
        OffsetRect(&both, -b.left, -b.top);
        InvalidateRect(Hwnd(frame->hwnd()), &both, FALSE);
    }
}

void* Win32Form::brush(Color color)
{
    void*& brush = m_brushes[color];
    if (!brush)
        brush = CreateSolidBrush(color);
    return brush;
}

// --- closing ---

void Win32Form::close()
{
    if (!m_hwnd || m_closing)
        return;
    if (onQueryClose && !onQueryClose())
        return;
    m_closing = true;
    if (onUnload)
        onUnload();
    for (const auto& timer : timers())
        KillTimer(Hwnd(m_hwnd), static_cast<Win32Timer&>(*timer).id());
    if (m_hwnd)
        DestroyWindow(Hwnd(m_hwnd)); // takes the menu bar, the tooltip and the controls along
    m_menuBar = nullptr;
    m_toolTip = nullptr;
    m_closing = false;
}

// --- events ---

bool Win32Form::keyDown(int keyCode)
{
    KeyEvent event;
    event.keyCode = keyCode;
    event.shift = GetKeyState(VK_SHIFT) < 0;
    event.ctrl = GetKeyState(VK_CONTROL) < 0;
    event.alt = GetKeyState(VK_MENU) < 0;
    if (onKeyDown)
        onKeyDown(event);
    if (keyCode != Key::Escape || !loaded())
        return false;
    for (const auto& control : controls()) {
        auto* button = dynamic_cast<Button*>(control.get());
        if (button && button->isCancel() && button->enabled() && button->visible()) {
            if (button->onClick)
                button->onClick();
            return true;
        }
    }
    return false;
}

void Win32Form::mouse(unsigned msg, uintptr_t wParam, intptr_t lParam)
{
    MouseEvent event;
    event.x = static_cast<short>(LOWORD(lParam));
    event.y = static_cast<short>(HIWORD(lParam));
    event.shift = (wParam & MK_SHIFT) != 0;
    event.ctrl = (wParam & MK_CONTROL) != 0;
    switch (msg) {
    case WM_LBUTTONDOWN:
        m_leftDown = true;
        if (onMouseDown)
            onMouseDown(event);
        break;
    case WM_RBUTTONDOWN:
        event.button = MouseButton::Right;
        if (onMouseDown)
            onMouseDown(event);
        break;
    case WM_LBUTTONUP:
        if (m_leftDown && onClick) {
            m_leftDown = false;
            onClick();
        }
        m_leftDown = false;
        break;
    case WM_LBUTTONDBLCLK:
        if (onDoubleClick)
            onDoubleClick();
        break;
    }
}

void Win32Form::command(uintptr_t wParam, intptr_t lParam)
{
    if (lParam) {
        auto child = m_children.find(reinterpret_cast<void*>(lParam));
        if (child != m_children.end())
            child->second->notify(HIWORD(wParam));
        return;
    }
    if (HIWORD(wParam) != 0)
        return; // an accelerator: none are defined
    auto item = m_menuCommands.find(LOWORD(wParam));
    if (item != m_menuCommands.end() && item->second->onClick)
        item->second->onClick();
}

// -1: not handled here, DefWindowProc decides.
intptr_t Win32Form::handleMessage(unsigned msg, uintptr_t wParam, intptr_t lParam)
{
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(Hwnd(m_hwnd), &ps);
        if (m_canvas) {
            m_canvas->paintTo(dc);
            repaintFrames(&ps.rcPaint);
        }
        EndPaint(Hwnd(m_hwnd), &ps);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    case WM_SIZE:
        if (!m_canvas)
            return 0;
        if (wParam != SIZE_MINIMIZED)
            m_canvas->resize(clientSize(), backColor());
        storeWindowState(wParam == SIZE_MINIMIZED       ? WindowState::Minimized
                             : wParam == SIZE_MAXIMIZED ? WindowState::Maximized
                                                        : WindowState::Normal);
        storeScreenState();
        if (onResize)
            onResize();
        return 0;
    case WM_MOVE:
        if (m_canvas)
            storeScreenState();
        return 0;
    case WM_SHOWWINDOW:
        if (lParam == 0)
            storeVisible(wParam != 0);
        return -1;
    case WM_COMMAND:
        command(wParam, lParam);
        return 0;
    case WM_TIMER:
        for (const auto& timer : timers()) {
            auto& t = static_cast<Win32Timer&>(*timer);
            if (t.id() == wParam) {
                t.tick();
                break;
            }
        }
        return 0;
    case WM_CTLCOLORSTATIC: // labels
    case WM_CTLCOLORBTN: {  // what an owner-drawn button is erased with before it is drawn
        auto child = m_children.find(reinterpret_cast<void*>(lParam));
        if (child == m_children.end())
            return -1;
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, child->second->control().foreColor());
        SetBkColor(dc, child->second->control().backColor());
        return reinterpret_cast<intptr_t>(brush(child->second->control().backColor()));
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        auto child = m_children.find(item->hwndItem);
        if (child == m_children.end())
            return -1;
        child->second->draw(item);
        return TRUE;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        mouse(msg, wParam, lParam);
        return 0;
    case WM_CLOSE:
        close();
        return 0;
    }
    return -1;
}

} // namespace scorlet::win32
