#pragma once
// The Forms interface on real windows. Create it after the program's Win32Desktop, on the same
// thread; the two share the message loop (waits of the desktop keep the forms alive, and quit()
// ends both run() and the waits).

#include "platform/Forms.h"
#include "platform/win32/Win32Desktop.h"

#include <memory>
#include <string>
#include <vector>

namespace scorlet {

namespace win32 {
class FontCache;
}

class Win32Forms final : public Forms {
public:
    explicit Win32Forms(Win32Desktop& desktop);
    ~Win32Forms() override;
    Win32Forms(const Win32Forms&) = delete;
    Win32Forms& operator=(const Win32Forms&) = delete;

    Form& createForm(const std::string& name) override;
    Form* findForm(const std::string& name) override;
    int run() override;
    void quit(int exitCode = 0) override;
    bool quitting() const override;

private:
    bool preDispatch(void* msg);
    void collectClosed();

    Win32Desktop& m_desktop;
    std::unique_ptr<win32::FontCache> m_fonts; // outlives the forms, whose controls use its fonts
    std::vector<std::unique_ptr<Form>> m_forms;
};

} // namespace scorlet
