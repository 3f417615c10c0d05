// The probe of the Wine test: checks platform/win32 from a program of its own while the window
// program (scorlet_wine_windows.exe, another process) shows the windows it reads and logs the
// clicks it receives. Runs the Desktop contract that platform/virtual passes too, on two worlds:
// test windows made by the other process, and test windows that are forms of the probe itself.
//
//   scorlet_wine_probe.exe CLICKLOG [--japanese] [gtest flags]
//
// The Western run skips the WineJapanese tests; --japanese runs only those (unless --gtest_filter
// says otherwise).
#include <windows.h>

#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32Forms.h"
#include "tests/platform/DesktopContract.h"
#include "tests/wine/WineLayout.h"
#include "tests/wine/WineProbe.h"

#include <fstream>
#include <sstream>

namespace scorlet::wine {

namespace {
Probe* gProbe = nullptr;
}

Probe& TheProbe() { return *gProbe; }

WindowHandle FindByTitle(Desktop& desktop, const std::string& title) { return contract::FindByTitle(desktop, title); }
Point FrameOffset(Desktop& desktop, WindowHandle window) { return contract::FrameOffset(desktop, window); }

std::vector<std::string> LogLines()
{
    std::vector<std::string> lines;
    std::ifstream in(TheProbe().logPath);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool LogHas(const std::string& line)
{
    const auto lines = LogLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

bool WaitForLog(const std::string& line, double seconds)
{
    return contract::WaitFor(
        TheProbe().desktop, [&] { return LogHas(line); }, seconds);
}

namespace {

using contract::ContractWorld;
using contract::TestWindowSpec;

// Test windows shown by the window program on request (see WineLayout.h).
class OtherProcessWorld : public ContractWorld {
public:
    ~OtherProcessWorld() override
    {
        for (const auto& [handle, id] : m_ids) {
            command("close " + id);
            contract::WaitFor(
                desktop(), [&, h = handle] { return !desktop().isWindow(h); }, 3);
        }
    }

    Desktop& desktop() override { return TheProbe().desktop; }

    WindowHandle createWindow(const TestWindowSpec& windowSpec) override
    {
        static int next = 0;
        const std::string id = "w" + std::to_string(++next);
        std::ostringstream line;
        const Rect& r = windowSpec.rect;
        line << "window " << id << ' ' << r.left << ' ' << r.top << ' ' << r.right << ' ' << r.bottom << ' '
             << windowSpec.fill << ' ' << windowSpec.blocks.size();
        for (const contract::Block& b : windowSpec.blocks)
            line << ' ' << b.rect.left << ' ' << b.rect.top << ' ' << b.rect.right << ' ' << b.rect.bottom << ' '
                 << b.color;
        line << ' ' << windowSpec.title;
        command(line.str());
        const std::string prefix = "created " + id + " ";
        WindowHandle handle = 0;
        contract::WaitFor(
            desktop(),
            [&] {
                for (const std::string& logged : LogLines())
                    if (logged.rfind(prefix, 0) == 0)
                        handle = static_cast<WindowHandle>(std::stoull(logged.substr(prefix.size())));
                return handle != 0;
            },
            5);
        if (handle)
            m_ids[handle] = id;
        PauseWithEvents(desktop(), 0.2);
        return handle;
    }

    std::vector<Point> clicksReceived(WindowHandle window) override
    {
        std::vector<Point> clicks;
        const std::string prefix = "down " + m_ids[window] + " ";
        for (const std::string& logged : LogLines())
            if (logged.rfind(prefix, 0) == 0) {
                std::istringstream in(logged.substr(prefix.size()));
                Point p;
                in >> p.x >> p.y;
                clicks.push_back(p);
            }
        return clicks;
    }

private:
    static void command(const std::string& line)
    {
        std::ofstream(CommandFile, std::ios::app | std::ios::binary) << line << '\n';
    }

    std::map<WindowHandle, std::string> m_ids;
};

// Test windows as forms of the probe itself, closed when the test ends.
class OwnFormsWorld : public ContractWorld {
public:
    OwnFormsWorld() : m_forms(TheProbe().desktop, TheProbe().forms) { }
    ~OwnFormsWorld() override
    {
        for (int i = 1; Form* form = TheProbe().forms.findForm("contract" + std::to_string(i)); ++i)
            form->close();
        PauseWithEvents(TheProbe().desktop, 0.1);
    }
    Desktop& desktop() override { return TheProbe().desktop; }
    WindowHandle createWindow(const TestWindowSpec& windowSpec) override { return m_forms.createWindow(windowSpec); }
    std::vector<Point> clicksReceived(WindowHandle w) override { return m_forms.clicksReceived(w); }

private:
    contract::FormsWorld m_forms;
};

std::unique_ptr<ContractWorld> MakeOtherProcessWorld() { return std::make_unique<OtherProcessWorld>(); }
std::unique_ptr<ContractWorld> MakeOwnFormsWorld() { return std::make_unique<OwnFormsWorld>(); }

// Asks the test script for a screenshot of the screen as it is now (the script watches for the
// request file and deletes it when done) and waits up to 5 s for it.
void AwaitScreenshot(Desktop& desktop)
{
    std::ofstream("screenshot.request") << "now\n";
    contract::WaitFor(
        desktop, [] { return !std::ifstream("screenshot.request"); }, 5);
}

} // namespace

} // namespace scorlet::wine

namespace scorlet::contract {
INSTANTIATE_TEST_SUITE_P(Win32, DesktopContract,
                         ::testing::Values(&wine::MakeOtherProcessWorld, &wine::MakeOwnFormsWorld),
                         [](const auto& info) {
                             return info.index == 0 ? std::string("OtherProcess") : std::string("OwnForms");
                         });
} // namespace scorlet::contract

int main(int argc, char** argv)
{
    using namespace scorlet;
    ::testing::InitGoogleTest(&argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: scorlet_wine_probe CLICKLOG [--japanese] [gtest flags]\n");
        return 100;
    }
    const bool japanese = argc > 2 && std::string(argv[2]) == "--japanese";
    if (::testing::GTEST_FLAG(filter) == "*") // a filter given on the command line stays
        ::testing::GTEST_FLAG(filter) = japanese ? "WineJapanese.*" : "-WineJapanese.*";
    Win32Desktop desktop;
    Win32Forms forms(desktop);
    wine::Probe probe {desktop, forms, argv[1]};
    wine::gProbe = &probe;

    // The window program needs a moment to start; its log says when all its windows are up.
    if (!wine::WaitForLog("ready", 20)) {
        std::fprintf(stderr, "the window program did not start\n");
        return 101;
    }
    const int failed = RUN_ALL_TESTS();
    if (!japanese)
        wine::AwaitScreenshot(desktop);
    if (HWND a = FindWindowA(nullptr, wine::TitleA))
        PostMessageA(a, WM_CLOSE, 0, 0);
    return failed;
}
