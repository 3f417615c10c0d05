#include "platform/virtual/VirtualDesktop.h"

#include "platform/virtual/PngWriter.h"
#include "platform/virtual/TextRaster.h"
#include "platform/virtual/VirtualProgram.h"
#include "platform/virtual/VirtualWindow.h"

#include <algorithm>

namespace scorlet {

namespace {

// True when the clock `now` has reached `tick` (across the wrap of the 32-bit count).
bool Reached(uint32_t now, uint32_t tick)
{
    return static_cast<int32_t>(now - tick) >= 0;
}

bool Before(uint32_t a, uint32_t b)
{
    return static_cast<int32_t>(a - b) < 0;
}

// So many events at one instant mean a handler keeps re-arming itself at once; the clock then
// moves on by a millisecond instead of spinning.
constexpr int MaxEventsPerInstant = 10000;

constexpr Color FrameColor = Rgb(192, 192, 192);
constexpr Color CaptionColor = Rgb(0, 0, 128);
constexpr Color MenuBarColor = Rgb(212, 208, 200);
constexpr Color ScreenColor = Rgb(0, 128, 128);

} // namespace

VirtualDesktop::VirtualDesktop(VirtualDesktopConfig config)
    : m_config(std::move(config)), m_now(m_config.startTick), m_cursor{m_config.screen.width / 2, m_config.screen.height / 2}
{
}

VirtualDesktop::~VirtualDesktop() = default;

std::unique_ptr<VirtualProgram> VirtualDesktop::startProgram(const std::string& name, const std::string& folder)
{
    auto program = std::make_unique<VirtualProgram>(*this, name, folder);
    m_programs.push_back(program.get());
    return program;
}

int VirtualDesktop::runningCopies(const std::string& name) const
{
    return static_cast<int>(std::count_if(m_programs.begin(), m_programs.end(),
                                          [&](const VirtualProgram* p) { return p->name() == name; }));
}

void VirtualDesktop::removeProgram(VirtualProgram* program)
{
    std::vector<WindowHandle> owned;
    for (const auto& [handle, window] : m_windows)
        if (window->owner == program)
            owned.push_back(handle);
    for (WindowHandle handle : owned)
        destroyWindow(handle);
    std::vector<int> timers;
    for (const auto& timer : m_timers)
        if (timer->owner == program)
            timers.push_back(timer->id);
    for (int id : timers)
        removeTimer(id);
    std::erase(m_programs, program);
}

// --- windows -----------------------------------------------------------------------------------

WindowHandle VirtualDesktop::createWindow(const WindowSpec& windowSpec)
{
    return createOwnedWindow(windowSpec, nullptr);
}

WindowHandle VirtualDesktop::createOwnedWindow(const WindowSpec& windowSpec, VirtualProgram* owner)
{
    auto window = std::make_unique<Window>();
    window->handle = m_nextHandle;
    m_nextHandle += 2;
    window->title = windowSpec.title;
    window->style = windowSpec.style & ~WindowStyle::Minimize;
    window->frame = windowSpec.frame;
    window->topmost = windowSpec.topmost;
    window->rect = windowSpec.rect;
    window->background = windowSpec.background;
    window->owner = owner;
    const Size size = window->clientSize();
    window->client = Image(size.width, size.height, windowSpec.background);
    const WindowHandle handle = window->handle;
    m_windows[handle] = std::move(window);
    placeInZOrder(handle);
    if (windowSpec.style & WindowStyle::Minimize)
        showWindow(handle, ShowCommand::ShowMinNoActive);
    return handle;
}

void VirtualDesktop::destroyWindow(WindowHandle handle)
{
    auto it = m_windows.find(handle);
    if (it == m_windows.end())
        return;
    std::erase(m_zOrder, handle);
    // A handler of this very window may be running: keep the record alive until it has returned.
    m_destroyed.push_back(std::move(it->second));
    m_windows.erase(it);
}

void VirtualDesktop::collectGarbage()
{
    if (m_depth == 0)
        m_destroyed.clear();
}

VirtualDesktop::Window* VirtualDesktop::find(WindowHandle handle)
{
    auto it = m_windows.find(handle);
    return it == m_windows.end() ? nullptr : it->second.get();
}

const VirtualDesktop::Window* VirtualDesktop::find(WindowHandle handle) const
{
    auto it = m_windows.find(handle);
    return it == m_windows.end() ? nullptr : it->second.get();
}

bool VirtualDesktop::exists(WindowHandle handle) const
{
    return find(handle) != nullptr;
}

void VirtualDesktop::setTitle(WindowHandle handle, const std::string& title)
{
    if (Window* w = find(handle))
        w->title = title;
}

void VirtualDesktop::setStyle(WindowHandle handle, uint32_t style)
{
    if (Window* w = find(handle)) {
        w->style = style;
        if (w->stateChanged)
            w->stateChanged();
    }
}

Image& VirtualDesktop::surface(WindowHandle handle)
{
    static Image none;
    Window* w = find(handle);
    if (!w) {
        none = Image();
        return none;
    }
    return w->client;
}

void VirtualDesktop::setMouseHandler(WindowHandle handle, std::function<void(const MouseEvent&)> handler)
{
    if (Window* w = find(handle))
        w->mouse = std::move(handler);
}

void VirtualDesktop::setPaintHandler(WindowHandle handle, std::function<void()> handler)
{
    if (Window* w = find(handle))
        w->paint = std::move(handler);
}

Rect VirtualDesktop::clientScreenRect(const Window& w) const
{
    const Rect r = w.screenRect();
    const Point o = w.clientOffset();
    const Size s = w.clientSize();
    return {r.left + o.x, r.top + o.y, r.left + o.x + s.width, r.top + o.y + s.height};
}

Image VirtualDesktop::windowImage(WindowHandle handle) const
{
    const Window* w = find(handle);
    if (!w)
        return {};
    const Rect r = w->screenRect();
    Image image(r.width(), r.height(), FrameColor);
    const Point o = w->clientOffset();
    if (w->frame.caption > 0) {
        const Rect bar{w->frame.border, w->frame.border, r.width() - w->frame.border, w->frame.border + w->frame.caption};
        FillClipped(image, bar, CaptionColor);
        const Font titleFont{"Tahoma", 8, true};
        RasterText(image, {bar.left + 4, bar.top + (bar.height() - TextHeight(titleFont)) / 2}, w->title, titleFont,
                   Colors::White);
    }
    if (w->frame.menuBar > 0 && w->menuTitles) {
        // The menu bar: the shown menus' titles side by side, "&" marks left out.
        const Font menuFont{"Tahoma", 8, false};
        const int top = w->frame.border + w->frame.caption;
        FillClipped(image, {w->frame.border, top, r.width() - w->frame.border, top + w->frame.menuBar}, MenuBarColor);
        int x = w->frame.border + 6;
        for (std::string title : w->menuTitles()) {
            std::erase(title, '&');
            RasterText(image, {x, top + (w->frame.menuBar - TextHeight(menuFont)) / 2}, title, menuFont,
                       Colors::Black);
            x += TextWidth(title, menuFont) + 12;
        }
    }
    if (!w->minimized) {
        const Image client = w->clientImage();
        const Size s = w->clientSize();
        BlitClipped(image, o, client, {0, 0, std::min(client.width, s.width), std::min(client.height, s.height)});
    }
    for (const Window::Overlay& overlay : w->overlays)
        BlitClipped(image, overlay.at, overlay.image, {0, 0, overlay.image.width, overlay.image.height});
    return image;
}

Image VirtualDesktop::screenImage() const
{
    Image screen(m_config.screen.width, m_config.screen.height, ScreenColor);
    for (auto it = m_zOrder.rbegin(); it != m_zOrder.rend(); ++it) {
        const Window* w = find(*it);
        if (!w || !w->visible() || w->minimized)
            continue;
        const Image image = windowImage(*it);
        BlitClipped(screen, {w->rect.left, w->rect.top}, image, {0, 0, image.width, image.height});
    }
    return screen;
}

bool VirtualDesktop::dumpPng(WindowHandle handle, const std::string& path) const
{
    return WritePng(handle == 0 ? screenImage() : windowImage(handle), path);
}

WindowHandle VirtualDesktop::windowAt(Point screen) const
{
    for (WindowHandle handle : m_zOrder) {
        const Window* w = find(handle);
        if (w && w->visible() && !w->minimized && w->rect.contains(screen))
            return handle;
    }
    return 0;
}

// Brings the window to the top of its band: top-most windows above all others.
void VirtualDesktop::placeInZOrder(WindowHandle handle)
{
    const Window* w = find(handle);
    if (!w)
        return;
    std::erase(m_zOrder, handle);
    auto at = m_zOrder.begin();
    if (!w->topmost)
        at = std::find_if(m_zOrder.begin(), m_zOrder.end(), [&](WindowHandle h) { return !find(h)->topmost; });
    m_zOrder.insert(at, handle);
}

bool VirtualDesktop::moveWindow(WindowHandle handle, const Rect& rect)
{
    Window* w = find(handle);
    if (!w)
        return false;
    Rect r = rect;
    r.right = std::max(r.right, r.left);
    r.bottom = std::max(r.bottom, r.top);
    const bool resized = r.width() != w->rect.width() || r.height() != w->rect.height();
    w->rect = r;
    if (resized) {
        const Size s = w->clientSize();
        Image grown(s.width, s.height, w->background);
        BlitClipped(grown, {0, 0}, w->client, {0, 0, w->client.width, w->client.height});
        w->client = std::move(grown);
        repaint(handle);
    }
    if (w->stateChanged)
        w->stateChanged();
    return true;
}

bool VirtualDesktop::showWindow(WindowHandle handle, int command)
{
    Window* w = find(handle);
    if (!w)
        return false;
    const bool wasMinimized = w->minimized;
    bool activate = false;
    switch (command) {
    case ShowCommand::Hide:
        w->style &= ~WindowStyle::Visible;
        break;
    case ShowCommand::Minimize:
    case ShowCommand::ShowMinimized:
    case ShowCommand::ShowMinNoActive:
        w->style |= WindowStyle::Visible | WindowStyle::Minimize;
        w->minimized = true;
        break;
    case ShowCommand::Maximize:
        w->style = (w->style | WindowStyle::Visible | WindowStyle::Maximize) & ~WindowStyle::Minimize;
        w->minimized = false;
        w->rect = {0, 0, m_config.screen.width, m_config.screen.height};
        activate = true;
        break;
    case ShowCommand::ShowNormal:
    case ShowCommand::Restore:
        w->style = (w->style | WindowStyle::Visible) & ~(WindowStyle::Minimize | WindowStyle::Maximize);
        w->minimized = false;
        activate = true;
        break;
    case ShowCommand::Show:
        w->style |= WindowStyle::Visible;
        activate = true;
        break;
    case ShowCommand::ShowNA:
    case ShowCommand::ShowNoActivate:
        w->style |= WindowStyle::Visible;
        break;
    default:
        return false;
    }
    if (activate)
        placeInZOrder(handle);
    if (wasMinimized && !w->minimized)
        repaint(handle);
    if (w->stateChanged)
        w->stateChanged();
    return true;
}

bool VirtualDesktop::setTopmost(WindowHandle handle, bool on)
{
    Window* w = find(handle);
    if (!w)
        return false;
    w->topmost = on;
    placeInZOrder(handle);
    if (w->stateChanged)
        w->stateChanged();
    return true;
}

void VirtualDesktop::paint(WindowHandle handle, Point at, const Image& image, bool clientOnly)
{
    Window* w = find(handle);
    if (!w || w->minimized)
        return;
    if (!clientOnly) {
        w->overlays.push_back({at, image});
        return;
    }
    // Painting through the client's device context is clipped to the client area.
    const Size s = w->clientSize();
    const Rect inside{std::max(0, -at.x), std::max(0, -at.y), std::min(image.width, s.width - at.x),
                      std::min(image.height, s.height - at.y)};
    if (inside.empty())
        return;
    Image block(inside.width(), inside.height());
    BlitClipped(block, {0, 0}, image, inside);
    w->overlays.push_back({{w->clientOffset().x + at.x + inside.left, w->clientOffset().y + at.y + inside.top},
                           std::move(block)});
}

void VirtualDesktop::repaint(WindowHandle handle)
{
    Window* w = find(handle);
    if (!w)
        return;
    w->overlays.clear();
    if (w->paint) {
        ++m_depth;
        w->paint();
        --m_depth;
    }
}

int VirtualDesktop::copyPixels(WindowHandle handle, bool clientOnly, const Rect& source, uint16_t* out, int stride) const
{
    if (source.empty() || stride < source.width() || out == nullptr)
        return 0;
    Image image;
    Rect area; // where the window (or its client) lies inside `image`
    if (handle == DesktopHandle) {
        image = screenImage();
        area = {0, 0, image.width, image.height};
    } else {
        const Window* w = find(handle);
        if (!w)
            return 0;
        if (w->visible() && !w->minimized) {
            image = windowImage(handle);
            const Point o = w->clientOffset();
            const Size s = w->clientSize();
            area = clientOnly ? Rect{o.x, o.y, o.x + s.width, o.y + s.height} : Rect{0, 0, image.width, image.height};
        }
    }
    const int height = source.height();
    const int width = source.width();
    // Columns of the source inside the area; the rest of each row is 0.
    const int fromX = std::clamp(area.left - (area.left + source.left), 0, width);
    const int toX = std::clamp(area.right - (area.left + source.left), fromX, width);
    for (int row = 0; row < height; ++row) {
        uint16_t* line = out + static_cast<size_t>(row) * stride;
        const int y = area.top + source.top + (height - 1 - row);
        std::fill(line, line + width, uint16_t { 0 });
        if (y < area.top || y >= area.bottom)
            continue;
        const Color* pixels = image.pixels.data() + static_cast<size_t>(y) * image.width;
        const int offset = area.left + source.left;
        for (int x = fromX; x < toX; ++x)
            line[x] = To555(pixels[offset + x]);
    }
    return height;
}

// --- clock and events --------------------------------------------------------------------------

void VirtualDesktop::schedule(uint32_t tick, std::function<void()> action)
{
    m_scheduled.push_back({tick, m_order++, std::move(action)});
}

int VirtualDesktop::addTimer(VirtualProgram* owner, std::function<void()> handler)
{
    auto entry = std::make_unique<TimerEntry>();
    entry->id = m_nextTimerId++;
    entry->owner = owner;
    entry->handler = std::move(handler);
    m_timers.push_back(std::move(entry));
    return m_timers.back()->id;
}

void VirtualDesktop::setTimer(int id, uint32_t intervalMs, bool running)
{
    for (const auto& timer : m_timers) {
        if (timer->id != id || timer->removed)
            continue;
        timer->interval = intervalMs;
        timer->running = running && intervalMs > 0;
        timer->due = m_now + intervalMs;
    }
}

void VirtualDesktop::removeTimer(int id)
{
    for (const auto& timer : m_timers) {
        if (timer->id == id) {
            timer->removed = true;
            timer->running = false;
        }
    }
    std::erase_if(m_timers, [](const std::unique_ptr<TimerEntry>& t) { return t->removed && !t->inHandler; });
}

bool VirtualDesktop::nextEventTick(uint32_t& tick) const
{
    bool found = false;
    auto consider = [&](uint32_t t) {
        if (!found || Before(t, tick))
            tick = t;
        found = true;
    };
    for (const auto& timer : m_timers)
        if (timer->running && !timer->removed)
            consider(timer->due);
    for (const Scheduled& s : m_scheduled)
        consider(s.tick);
    return found;
}

bool VirtualDesktop::deliverDue()
{
    // The earliest due scheduled action, and the earliest due timer.
    auto action = m_scheduled.end();
    for (auto it = m_scheduled.begin(); it != m_scheduled.end(); ++it)
        if (Reached(m_now, it->tick) && (action == m_scheduled.end() || Before(it->tick, action->tick) ||
                                         (it->tick == action->tick && it->order < action->order)))
            action = it;
    TimerEntry* timer = nullptr;
    for (const auto& t : m_timers)
        if (t->running && !t->removed && Reached(m_now, t->due) && (!timer || Before(t->due, timer->due)))
            timer = t.get();

    if (action != m_scheduled.end() && (!timer || !Before(timer->due, action->tick))) {
        std::function<void()> run = std::move(action->action);
        m_scheduled.erase(action);
        ++m_depth;
        run();
        --m_depth;
        return true;
    }
    if (!timer)
        return false;
    // Ticks missed while the program was busy are dropped, as WM_TIMER does not queue up.
    const uint32_t late = m_now - timer->due;
    timer->due += (late / timer->interval + 1) * timer->interval;
    if (timer->inHandler)
        return true;
    timer->inHandler = true;
    ++m_depth;
    timer->handler();
    --m_depth;
    timer->inHandler = false;
    if (timer->removed)
        removeTimer(timer->id);
    return true;
}

void VirtualDesktop::deliverAll()
{
    for (int i = 0; i < MaxEventsPerInstant; ++i)
        if (!deliverDue())
            break;
    collectGarbage();
}

void VirtualDesktop::processEvents()
{
    m_now += static_cast<uint32_t>(std::max(0, m_config.processEventsCostMs));
    deliverAll();
}

void VirtualDesktop::waitUntil(uint32_t tick)
{
    for (;;) {
        deliverAll();
        if (Reached(m_now, tick))
            return;
        uint32_t next = tick;
        if (nextEventTick(next) && Before(tick, next))
            next = tick;
        m_now = Before(m_now, next) ? next : m_now + 1;
    }
}

void VirtualDesktop::runFor(uint32_t ms)
{
    waitUntil(m_now + ms);
    for (VirtualProgram* program : m_programs)
        program->collectClosedForms();
}

bool VirtualDesktop::runUntil(const std::function<bool()>& done, uint32_t maxMs)
{
    const uint32_t deadline = m_now + maxMs;
    while (!done()) {
        if (Reached(m_now, deadline))
            return false;
        uint32_t next = deadline;
        if (!nextEventTick(next) || Before(deadline, next))
            next = deadline;
        if (!Before(m_now, next))
            next = m_now + 1;
        waitUntil(next);
        for (VirtualProgram* program : m_programs)
            program->collectClosedForms();
    }
    return true;
}

// --- input -------------------------------------------------------------------------------------

void VirtualDesktop::click(int button)
{
    const Point at = m_cursor;
    schedule(m_now + static_cast<uint32_t>(std::max(0, m_config.clickDelayMs)),
             [this, button, at] { deliverClick(button, at, false); });
}

void VirtualDesktop::clickNow(int button, bool doubleClick)
{
    ++m_depth;
    deliverClick(button, m_cursor, doubleClick);
    --m_depth;
    collectGarbage();
}

void VirtualDesktop::deliverClick(int button, Point at, bool doubleClick)
{
    const WindowHandle handle = windowAt(at);
    Window* w = find(handle);
    if (!w || (w->style & WindowStyle::Disabled))
        return;
    placeInZOrder(handle); // a click activates the window
    const Rect client = clientScreenRect(*w);
    if (!client.contains(at))
        return; // the frame or the caption
    const MouseEvent event{button, false, false, at.x - client.left, at.y - client.top};
    if (w->owner)
        w->owner->dispatchMouse(handle, event, doubleClick);
    else if (w->mouse)
        w->mouse(event);
}

} // namespace scorlet
