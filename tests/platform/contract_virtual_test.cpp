// The Desktop contract on the virtual desktop, with the test windows made two ways: as forms of a
// second program, and as plain windows of the desktop's own API (as the substitute table may).

#include "tests/platform/DesktopContract.h"

#include "platform/virtual/VirtualProgram.h"

namespace scorlet::contract {
namespace {

class VirtualFormsWorld : public ContractWorld {
public:
    VirtualFormsWorld()
        : m_observer(m_desktop.startProgram("ScorletS")), m_table(m_desktop.startProgram("SpadesTable")),
          m_world(*m_observer, *m_table)
    {
    }
    Desktop& desktop() override { return *m_observer; }
    WindowHandle createWindow(const TestWindowSpec& windowSpec) override { return m_world.createWindow(windowSpec); }
    std::vector<Point> clicksReceived(WindowHandle w) override { return m_world.clicksReceived(w); }

private:
    VirtualDesktop m_desktop;
    std::unique_ptr<VirtualProgram> m_observer;
    std::unique_ptr<VirtualProgram> m_table;
    FormsWorld m_world;
};

class VirtualRawWorld : public ContractWorld {
public:
    VirtualRawWorld() : m_observer(m_desktop.startProgram("ScorletS")) {}
    Desktop& desktop() override { return *m_observer; }

    WindowHandle createWindow(const TestWindowSpec& windowSpec) override
    {
        const WindowHandle w = m_desktop.createWindow({windowSpec.title, windowSpec.rect});
        Image& surface = m_desktop.surface(w);
        for (Color& c : surface.pixels)
            c = windowSpec.fill;
        for (const Block& b : windowSpec.blocks)
            for (int y = b.rect.top; y < b.rect.bottom; ++y)
                for (int x = b.rect.left; x < b.rect.right; ++x)
                    surface.set(x, y, b.color);
        m_desktop.setMouseHandler(w, [this, w](const MouseEvent& e) { m_clicks[w].push_back({e.x, e.y}); });
        return w;
    }
    std::vector<Point> clicksReceived(WindowHandle w) override { return m_clicks[w]; }

private:
    VirtualDesktop m_desktop;
    std::unique_ptr<VirtualProgram> m_observer;
    std::map<WindowHandle, std::vector<Point>> m_clicks;
};

std::unique_ptr<ContractWorld> MakeFormsWorld() { return std::make_unique<VirtualFormsWorld>(); }
std::unique_ptr<ContractWorld> MakeRawWorld() { return std::make_unique<VirtualRawWorld>(); }

INSTANTIATE_TEST_SUITE_P(Virtual, DesktopContract, ::testing::Values(&MakeFormsWorld, &MakeRawWorld),
                         [](const auto& info) { return info.index == 0 ? std::string("Forms") : std::string("Raw"); });

} // namespace
} // namespace scorlet::contract
