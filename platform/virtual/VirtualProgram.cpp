#include "platform/virtual/VirtualProgram.h"

#include "platform/virtual/VirtualControls.h"
#include "platform/virtual/VirtualForm.h"
#include "platform/virtual/VirtualWindow.h"

#include <algorithm>

namespace scorlet {

VirtualProgram::VirtualProgram(VirtualDesktop& desktop, std::string name, std::string folder)
    : m_desktop(desktop), m_name(std::move(name)), m_folder(std::move(folder))
{
    m_previousInstance = m_desktop.runningCopies(m_name) > 0;
}

VirtualProgram::~VirtualProgram()
{
    m_forms.clear();
    m_desktop.removeProgram(this);
}

// --- Desktop -----------------------------------------------------------------------------------

WindowHandle VirtualProgram::firstWindow()
{
    const auto& order = m_desktop.zOrder();
    return order.empty() ? 0 : order.front();
}

WindowHandle VirtualProgram::nextWindow(WindowHandle window)
{
    const auto& order = m_desktop.zOrder();
    auto it = std::find(order.begin(), order.end(), window);
    if (it == order.end() || ++it == order.end())
        return 0;
    return *it;
}

bool VirtualProgram::isWindow(WindowHandle window)
{
    return window == VirtualDesktop::DesktopHandle || m_desktop.exists(window);
}

std::string VirtualProgram::windowTitle(WindowHandle window)
{
    const auto* w = m_desktop.find(window);
    return w ? w->title : std::string();
}

uint32_t VirtualProgram::windowStyle(WindowHandle window)
{
    if (window == VirtualDesktop::DesktopHandle)
        return WindowStyle::Popup | WindowStyle::Visible;
    const auto* w = m_desktop.find(window);
    return w ? w->style : 0;
}

bool VirtualProgram::windowRect(WindowHandle window, Rect& out)
{
    if (window == VirtualDesktop::DesktopHandle) {
        out = {0, 0, screenSize().width, screenSize().height};
        return true;
    }
    const auto* w = m_desktop.find(window);
    if (!w)
        return false;
    out = w->screenRect();
    return true;
}

bool VirtualProgram::clientRect(WindowHandle window, Rect& out)
{
    if (window == VirtualDesktop::DesktopHandle)
        return windowRect(window, out);
    const auto* w = m_desktop.find(window);
    if (!w)
        return false;
    const Size s = w->clientSize();
    out = {0, 0, s.width, s.height};
    return true;
}

bool VirtualProgram::clientOrigin(WindowHandle window, Point& out)
{
    if (window == VirtualDesktop::DesktopHandle) {
        out = {0, 0};
        return true;
    }
    const auto* w = m_desktop.find(window);
    if (!w)
        return false;
    const Rect r = m_desktop.clientScreenRect(*w);
    out = {r.left, r.top};
    return true;
}

bool VirtualProgram::moveWindow(WindowHandle window, const Rect& screenRect, bool)
{
    return m_desktop.moveWindow(window, screenRect);
}

bool VirtualProgram::showWindow(WindowHandle window, int showCommand)
{
    return m_desktop.showWindow(window, showCommand);
}

bool VirtualProgram::setTopmost(WindowHandle window, bool topmost)
{
    return m_desktop.setTopmost(window, topmost);
}

bool VirtualProgram::isTopmost(WindowHandle window)
{
    const auto* w = m_desktop.find(window);
    return w && w->topmost;
}

bool VirtualProgram::repaintWindow(WindowHandle window)
{
    if (!m_desktop.exists(window))
        return false;
    m_desktop.repaint(window);
    return true;
}

int VirtualProgram::copyPixels(WindowHandle window, bool clientOnly, const Rect& source, uint16_t* out, int stride)
{
    return m_desktop.copyPixels(window, clientOnly, source, out, stride);
}

bool VirtualProgram::paintPixels(WindowHandle window, bool clientOnly, Point at, const Image& image)
{
    if (!m_desktop.exists(window))
        return false;
    m_desktop.paint(window, at, image, clientOnly);
    return true;
}

bool VirtualProgram::setCursorPos(Point screen)
{
    const Size s = screenSize();
    m_desktop.setCursor({std::clamp(screen.x, 0, s.width - 1), std::clamp(screen.y, 0, s.height - 1)});
    return true;
}

void VirtualProgram::waitUntil(uint32_t tick)
{
    m_desktop.waitUntil(tick);
}

void VirtualProgram::playSound(const std::string& alias)
{
    m_desktop.recordSound(alias);
}

bool VirtualProgram::previousInstance(const std::string& programName)
{
    if (m_desktop.previousInstanceForced())
        return true;
    if (programName == m_name) {
        if (m_desktop.config().folderLocks && !m_lockAsked) {
            m_lockAsked = true;
            if (m_lock.acquire(m_folder, FolderLock::FileName(m_name)) == FolderLock::Status::Busy)
                m_previousInstance = true;
        }
        return m_previousInstance;
    }
    return m_desktop.runningCopies(programName) > 0;
}

bool VirtualProgram::openWebPage(const std::string& url)
{
    m_desktop.recordPage(url);
    return true;
}

// --- Forms -------------------------------------------------------------------------------------

Form& VirtualProgram::createForm(const std::string& name)
{
    m_forms.push_back(std::make_unique<VirtualForm>(*this, m_desktop, name));
    m_forms.back()->printState().codePage = CodePageOf(m_desktop.config().codePage);
    return *m_forms.back();
}

Form* VirtualProgram::findForm(const std::string& name)
{
    return form(name);
}

VirtualForm* VirtualProgram::form(const std::string& name)
{
    for (const auto& f : m_forms)
        if (f->loaded() && f->name() == name)
            return f.get();
    return nullptr;
}

int VirtualProgram::run()
{
    while (!m_quitting) {
        collectClosedForms();
        uint32_t next = 0;
        if (!m_desktop.nextEventTick(next))
            return -1; // nothing could ever happen again
        m_desktop.waitUntil(next);
    }
    collectClosedForms();
    return m_exitCode;
}

void VirtualProgram::quit(int exitCode)
{
    if (!m_quitting)
        m_exitCode = exitCode;
    m_quitting = true;
}

void VirtualProgram::collectClosedForms()
{
    if (m_desktop.depth() == 0)
        std::erase_if(m_forms, [](const std::unique_ptr<VirtualForm>& f) { return !f->loaded(); });
}

VirtualForm* VirtualProgram::formOf(WindowHandle window)
{
    for (const auto& f : m_forms)
        if (f->loaded() && f->handle() == window)
            return f.get();
    return nullptr;
}

void VirtualProgram::dispatchMouse(WindowHandle window, const MouseEvent& clientEvent, bool doubleClick)
{
    if (VirtualForm* f = formOf(window))
        f->mouse(clientEvent, doubleClick);
}

// --- test hooks --------------------------------------------------------------------------------

Control* VirtualProgram::findControl(const std::string& formName, const std::string& control)
{
    VirtualForm* f = form(formName);
    if (!f)
        return nullptr;
    return control.empty() ? f : f->control(control);
}

bool VirtualProgram::clickAt(const std::string& formName, const std::string& control, int button, bool doubleClick)
{
    VirtualForm* f = form(formName);
    Control* c = findControl(formName, control);
    Point origin;
    if (!f || !c || !clientOrigin(f->handle(), origin))
        return false;
    const Size client = f->clientSize();
    const Rect area = c == f ? Rect{0, 0, client.width, client.height} : c->bounds();
    m_desktop.setCursor({origin.x + (area.left + area.right) / 2, origin.y + (area.top + area.bottom) / 2});
    m_desktop.clickNow(button, doubleClick);
    return true;
}

bool VirtualProgram::clickControl(const std::string& form, const std::string& control)
{
    return clickAt(form, control, MouseButton::Left, false);
}

bool VirtualProgram::rightClickControl(const std::string& form, const std::string& control)
{
    return clickAt(form, control, MouseButton::Right, false);
}

bool VirtualProgram::doubleClickControl(const std::string& form, const std::string& control)
{
    return clickAt(form, control, MouseButton::Left, true);
}

bool VirtualProgram::clickMenu(const std::string& formName, const std::string& menu)
{
    VirtualForm* f = form(formName);
    MenuItem* item = f ? f->menu(menu) : nullptr;
    if (!item || !item->enabled() || !item->visible())
        return false;
    if (item->onClick) {
        auto handler = item->onClick;
        handler();
    }
    return true;
}

bool VirtualProgram::pressKey(const std::string& formName, const KeyEvent& key)
{
    VirtualForm* f = form(formName);
    if (!f)
        return false;
    f->key(key);
    return true;
}

bool VirtualProgram::requestClose(const std::string& formName)
{
    VirtualForm* f = form(formName);
    if (!f)
        return false;
    f->close();
    return true;
}

std::string VirtualProgram::caption(const std::string& formName, const std::string& control)
{
    if (Control* c = findControl(formName, control))
        return c->caption();
    VirtualForm* f = form(formName);
    MenuItem* item = f ? f->menu(control) : nullptr;
    return item ? item->caption() : std::string();
}

bool VirtualProgram::menuChecked(const std::string& formName, const std::string& menu)
{
    VirtualForm* f = form(formName);
    MenuItem* item = f ? f->menu(menu) : nullptr;
    return item && item->checked();
}

std::vector<std::string> VirtualProgram::drawnTexts(const std::string& formName, const std::string& picture)
{
    std::vector<std::string> texts;
    VirtualForm* f = form(formName);
    if (!f)
        return texts;
    const ImageCanvas* canvas = &f->imageCanvas();
    if (!picture.empty()) {
        auto p = dynamic_cast<VirtualPicture*>(f->control(picture));
        if (!p)
            return texts;
        canvas = &p->imageCanvas();
    }
    for (const DrawnText& t : canvas->texts())
        texts.push_back(t.text);
    return texts;
}

Image VirtualProgram::formImage(const std::string& formName)
{
    VirtualForm* f = form(formName);
    return f ? f->render() : Image();
}

} // namespace scorlet
