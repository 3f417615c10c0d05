#include "platform/win32/Win32Forms.h"

#include "platform/win32/Win32Widgets.h"

#include <windows.h>

#include <algorithm>

namespace scorlet {

using win32::Win32Form;

Win32Forms::Win32Forms(Win32Desktop& desktop) : m_desktop(desktop), m_fonts(std::make_unique<win32::FontCache>())
{
    m_desktop.preDispatch = [this](void* msg) { return preDispatch(msg); };
}

Win32Forms::~Win32Forms()
{
    m_desktop.preDispatch = nullptr;
    m_forms.clear();
}

Form& Win32Forms::createForm(const std::string& name)
{
    m_forms.push_back(std::make_unique<Win32Form>(name, *m_fonts));
    m_forms.back()->printState().codePage = CodePageOf(static_cast<int>(GetACP()));
    return *m_forms.back();
}

Form* Win32Forms::findForm(const std::string& name)
{
    for (const auto& form : m_forms)
        if (form->loaded() && form->name() == name)
            return form.get();
    return nullptr;
}

// Keys go to the form first (its onKeyDown sees every key, whichever control has the focus).
bool Win32Forms::preDispatch(void* message)
{
    const MSG& msg = *static_cast<MSG*>(message);
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    for (const auto& form : m_forms) {
        auto& f = static_cast<Win32Form&>(*form);
        if (f.loaded() && f.hwnd() == root)
            return f.keyDown(static_cast<int>(msg.wParam));
    }
    return false;
}

// Closed forms are deleted only here, between two events of the outermost loop: a handler that
// closes its own form (and then waits) must not find its objects gone when it returns.
void Win32Forms::collectClosed()
{
    std::erase_if(m_forms, [](const std::unique_ptr<Form>& form) { return !form->loaded(); });
}

int Win32Forms::run()
{
    while (!m_desktop.quitRequested()) {
        m_desktop.processEvents();
        collectClosed();
        if (m_desktop.quitRequested())
            break;
        MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
    return m_desktop.exitCode();
}

void Win32Forms::quit(int exitCode) { m_desktop.requestQuit(exitCode); }

bool Win32Forms::quitting() const { return m_desktop.quitRequested(); }

} // namespace scorlet
