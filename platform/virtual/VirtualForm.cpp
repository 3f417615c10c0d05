#include "platform/virtual/VirtualForm.h"

#include "platform/virtual/TextRaster.h"
#include "platform/virtual/VirtualControls.h"
#include "platform/virtual/VirtualProgram.h"
#include "platform/virtual/VirtualWindow.h"

#include <algorithm>

namespace scorlet {

namespace {

constexpr Rect DefaultBounds{0, 0, 320, 240};
constexpr int MenuBarHeight = 19;
constexpr Color DisabledText = Rgb(128, 128, 128);
constexpr Color Highlight = Rgb(0, 0, 128);

// Style bits that describe the window's state rather than its kind.
constexpr uint32_t StateBits = WindowStyle::Visible | WindowStyle::Disabled | WindowStyle::Minimize | WindowStyle::Maximize;

uint32_t StyleFor(BorderStyle border)
{
    switch (border) {
    case BorderStyle::Sizable:
        return WindowStyle::OverlappedWindow;
    case BorderStyle::Fixed:
        return WindowStyle::Caption | WindowStyle::SysMenu | WindowStyle::MinimizeBox;
    case BorderStyle::ToolWindow:
        return WindowStyle::Caption | WindowStyle::SysMenu;
    case BorderStyle::None:
        break;
    }
    return WindowStyle::Popup;
}

WindowFrame FrameFor(BorderStyle border)
{
    switch (border) {
    case BorderStyle::Sizable:
    case BorderStyle::Fixed:
        return WindowFrame::captioned();
    case BorderStyle::ToolWindow:
        return WindowFrame::toolWindow();
    case BorderStyle::None:
        break;
    }
    return WindowFrame::none();
}

template <class Handler, class... Args>
void Raise(const Handler& handler, Args&&... args)
{
    if (handler) {
        Handler copy = handler; // the handler may replace itself
        copy(std::forward<Args>(args)...);
    }
}

Color TextColor(const Control& c)
{
    return c.enabled() ? c.foreColor() : DisabledText;
}

void DrawCaption(Image& cell, const Control& c, int y, Alignment alignment)
{
    const int width = TextWidth(c.caption(), c.font());
    int x = 1;
    if (alignment == Alignment::Center)
        x = (cell.width - width) / 2;
    else if (alignment == Alignment::Right)
        x = cell.width - width - 1;
    RasterText(cell, {x, y}, c.caption(), c.font(), TextColor(c));
}

Image RenderButton(const Button& b, Image cell)
{
    OutlineClipped(cell, {0, 0, cell.width, cell.height}, Colors::Black);
    DrawCaption(cell, b, (cell.height - TextHeight(b.font())) / 2, Alignment::Center);
    return cell;
}

Image RenderFrame(const Frame& f, Image cell)
{
    const int th = TextHeight(f.font());
    OutlineClipped(cell, {0, th / 2, cell.width, cell.height}, DisabledText);
    if (!f.caption().empty()) {
        FillClipped(cell, {6, 0, 10 + TextWidth(f.caption(), f.font()), th}, f.backColor());
        RasterText(cell, {8, 0}, f.caption(), f.font(), TextColor(f));
    }
    return cell;
}

Image RenderList(const ListBox& list, Image cell)
{
    FillClipped(cell, {0, 0, cell.width, cell.height}, Colors::White);
    const int th = TextHeight(list.font());
    for (int i = 0; i < list.count(); ++i) {
        const bool on = list.selected(i);
        if (on)
            FillClipped(cell, {1, i * th, cell.width - 1, (i + 1) * th}, Highlight);
        RasterText(cell, {2, i * th}, list.items()[i], list.font(), on ? Colors::White : TextColor(list));
    }
    OutlineClipped(cell, {0, 0, cell.width, cell.height}, DisabledText);
    return cell;
}

Image RenderControl(const Control& c)
{
    if (auto picture = dynamic_cast<const VirtualPicture*>(&c))
        return picture->imageCanvas().image();
    Image cell(c.bounds().width(), c.bounds().height(), c.backColor());
    if (auto button = dynamic_cast<const Button*>(&c))
        return RenderButton(*button, std::move(cell));
    if (auto frame = dynamic_cast<const Frame*>(&c))
        return RenderFrame(*frame, std::move(cell));
    if (auto list = dynamic_cast<const ListBox*>(&c))
        return RenderList(*list, std::move(cell));
    if (auto label = dynamic_cast<const Label*>(&c))
        DrawCaption(cell, *label, 0, label->alignment());
    if (auto box = dynamic_cast<const TextBox*>(&c)) {
        DrawCaption(cell, *box, 2, Alignment::Left);
        OutlineClipped(cell, {0, 0, cell.width, cell.height}, DisabledText);
    }
    return cell;
}

} // namespace

VirtualForm::VirtualForm(VirtualProgram& program, VirtualDesktop& desktop, std::string name)
    : Form(std::move(name)), m_program(program), m_desktop(desktop)
{
    WindowSpec windowSpec;
    windowSpec.rect = DefaultBounds;
    windowSpec.style = StyleFor(borderStyle());
    windowSpec.frame = FrameFor(borderStyle());
    windowSpec.background = backColor();
    m_handle = m_desktop.createOwnedWindow(windowSpec, &m_program);
    VirtualDesktop::Window* w = m_desktop.find(m_handle);
    w->render = [this] { return render(); };
    w->stateChanged = [this] { syncFromWindow(); };
    w->menuTitles = [this] {
        std::vector<std::string> titles;
        for (const auto& menu : menus())
            if (menu->visible())
                titles.push_back(menu->caption());
        return titles;
    };
    storeBounds(DefaultBounds);
    m_lastClientSize = w->clientSize();
    m_canvas = ImageCanvas(m_lastClientSize, backColor());
}

VirtualForm::~VirtualForm()
{
    if (m_handle != 0)
        m_desktop.destroyWindow(m_handle);
}

Size VirtualForm::clientSize() const
{
    const VirtualDesktop::Window* w = m_desktop.find(m_handle);
    return w ? w->clientSize() : m_lastClientSize;
}

void VirtualForm::setClientSize(Size size)
{
    const VirtualDesktop::Window* w = m_desktop.find(m_handle);
    if (!w)
        return;
    const Point o = w->clientOffset();
    const Rect r = bounds();
    setBounds({r.left, r.top, r.left + size.width + 2 * w->frame.border, r.top + size.height + o.y + w->frame.border});
}

Button& VirtualForm::addButton(const std::string& name)
{
    return adopt(std::make_unique<VirtualButton>(name));
}

Label& VirtualForm::addLabel(const std::string& name)
{
    Label& label = adopt(std::make_unique<VirtualLabel>(name));
    label.setBackColor(backColor());
    return label;
}

TextBox& VirtualForm::addTextBox(const std::string& name)
{
    TextBox& box = adopt(std::make_unique<VirtualTextBox>(name));
    box.setBackColor(Colors::White);
    return box;
}

ListBox& VirtualForm::addListBox(const std::string& name)
{
    ListBox& list = adopt(std::make_unique<VirtualListBox>(name));
    list.setBackColor(Colors::White);
    return list;
}

Frame& VirtualForm::addFrame(const std::string& name)
{
    Frame& frame = adopt(std::make_unique<VirtualFrame>(name));
    frame.setBackColor(backColor());
    return frame;
}

PictureBox& VirtualForm::addPicture(const std::string& name)
{
    return adopt(std::make_unique<VirtualPicture>(name));
}

Timer& VirtualForm::addTimer(const std::string& name)
{
    return adoptTimer(std::make_unique<VirtualTimer>(name, m_desktop, *this, &m_program));
}

MenuItem& VirtualForm::addMenu(const std::string& name, const std::string& caption)
{
    MenuItem& menu = adoptMenu(std::make_unique<VirtualMenuItem>(name, caption));
    applyFrame();
    return menu;
}

void VirtualForm::close()
{
    if (!m_loaded || m_closing)
        return;
    m_closing = true;
    const bool allowed = !onQueryClose || std::function<bool()>(onQueryClose)();
    if (allowed) {
        Raise(onUnload);
        m_loaded = false;
        for (const auto& timer : timers())
            static_cast<VirtualTimer&>(*timer).apply();
        m_desktop.destroyWindow(m_handle);
        m_handle = 0;
        storeVisible(false);
    }
    m_closing = false;
}

void VirtualForm::changed(Property property)
{
    switch (property) {
    case Property::Caption:
        m_desktop.setTitle(m_handle, caption());
        break;
    case Property::Bounds:
        m_desktop.moveWindow(m_handle, bounds());
        break;
    case Property::Visible:
        if (!visible())
            m_desktop.showWindow(m_handle, ShowCommand::Hide);
        else
            m_desktop.showWindow(m_handle, windowState() == WindowState::Minimized ? ShowCommand::ShowMinimized
                                                                                   : ShowCommand::Show);
        break;
    case Property::Enabled:
        applyStyleBit(WindowStyle::Disabled, !enabled());
        break;
    case Property::Topmost:
        m_desktop.setTopmost(m_handle, topmost());
        break;
    case Property::WindowState: {
        const bool wasVisible = visible();
        const WindowState state = windowState();
        m_desktop.showWindow(m_handle, state == WindowState::Minimized   ? ShowCommand::Minimize
                                       : state == WindowState::Maximized ? ShowCommand::Maximize
                                                                         : ShowCommand::Restore);
        if (!wasVisible) // a hidden form takes the state without showing
            m_desktop.showWindow(m_handle, ShowCommand::Hide);
        break;
    }
    case Property::BorderStyle:
        applyFrame();
        break;
    case Property::BackColor:
        m_canvas.clear(backColor());
        break;
    default:
        break;
    }
}

void VirtualForm::applyStyleBit(uint32_t bit, bool on)
{
    if (VirtualDesktop::Window* w = m_desktop.find(m_handle))
        m_desktop.setStyle(m_handle, on ? (w->style | bit) : (w->style & ~bit));
}

void VirtualForm::applyFrame()
{
    VirtualDesktop::Window* w = m_desktop.find(m_handle);
    if (!w)
        return;
    WindowFrame frame = FrameFor(borderStyle());
    const bool hasMenu = std::any_of(menus().begin(), menus().end(), [](const auto& m) { return m->visible(); });
    frame.menuBar = hasMenu && borderStyle() != BorderStyle::None ? MenuBarHeight : 0;
    w->frame = frame;
    m_desktop.setStyle(m_handle, (w->style & StateBits) | StyleFor(borderStyle()));
}

void VirtualForm::syncFromWindow()
{
    const VirtualDesktop::Window* w = m_desktop.find(m_handle);
    if (!w || m_syncing)
        return;
    m_syncing = true;
    storeBounds(w->screenRect());
    storeVisible(w->visible());
    storeTopmost(w->topmost);
    const WindowState state = w->minimized                            ? WindowState::Minimized
                              : (w->style & WindowStyle::Maximize) != 0 ? WindowState::Maximized
                                                                        : WindowState::Normal;
    storeWindowState(state);
    bool resized = state != m_lastState;
    m_lastState = state;
    if (!w->minimized) {
        const Size size = w->clientSize();
        m_canvas.resize(size, backColor());
        resized = resized || size != m_lastClientSize;
        m_lastClientSize = size;
    }
    m_syncing = false;
    if (resized)
        Raise(onResize);
}

Image VirtualForm::render() const
{
    Image image = m_canvas.image();
    for (bool frames : {true, false}) {
        for (const auto& c : controls()) {
            if (!c->visible() || (dynamic_cast<const Frame*>(c.get()) != nullptr) != frames)
                continue;
            const Image cell = RenderControl(*c);
            BlitClipped(image, {c->bounds().left, c->bounds().top}, cell,
                        {0, 0, std::min(cell.width, c->bounds().width()), std::min(cell.height, c->bounds().height())});
        }
    }
    return image;
}

Control* VirtualForm::controlAt(Point p) const
{
    for (bool frames : {false, true}) {
        for (auto it = controls().rbegin(); it != controls().rend(); ++it) {
            Control* c = it->get();
            if (c->visible() && (dynamic_cast<Frame*>(c) != nullptr) == frames && c->bounds().contains(p))
                return c;
        }
    }
    return nullptr;
}

void VirtualForm::mouse(const MouseEvent& event, bool doubleClick)
{
    if (!enabled() || !m_loaded)
        return;
    Control* target = controlAt({event.x, event.y});
    if (target && !target->enabled())
        return;
    Control& receiver = target ? *target : *this;
    MouseEvent local = event;
    if (target) {
        local.x -= target->bounds().left;
        local.y -= target->bounds().top;
        if (auto list = dynamic_cast<VirtualListBox*>(target); list && event.button == MouseButton::Left)
            list->clickRow(local.y);
    }
    Raise(receiver.onMouseDown, local);
    if (event.button != MouseButton::Left)
        return;
    if (doubleClick)
        Raise(receiver.onDoubleClick);
    else
        Raise(receiver.onClick);
}

void VirtualForm::key(const KeyEvent& event)
{
    if (!m_loaded)
        return;
    Raise(onKeyDown, event);
    if (event.keyCode != Key::Escape || !m_loaded)
        return;
    for (const auto& c : controls()) {
        auto button = dynamic_cast<Button*>(c.get());
        if (button && button->isCancel() && button->visible() && button->enabled()) {
            Raise(button->onClick);
            return;
        }
    }
}

} // namespace scorlet
