#pragma once
// Checks every Desktop implementation must pass, written against the interfaces only. A test
// binary includes this header once, supplies a ContractWorld factory and instantiates:
//
//     INSTANTIATE_TEST_SUITE_P(Virtual, DesktopContract, ::testing::Values(&MakeVirtualWorld));
//
// FormsWorld below makes the test windows as forms of a (second) program; it works for any
// Forms implementation that shows pictures and reports mouse-down events.

#include "platform/Capture.h"
#include "platform/Desktop.h"
#include "platform/Forms.h"
#include "platform/System.h"
#include "platform/Window.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace scorlet::contract {

struct Block {
    Rect rect; // client coordinates
    Color color = Colors::Black;
};

struct TestWindowSpec {
    std::string title;
    Rect rect; // screen rectangle of the whole window
    Color fill = Colors::White;
    std::vector<Block> blocks;
};

class ContractWorld {
public:
    virtual ~ContractWorld() = default;
    // The observing program's view of the desktop.
    virtual Desktop& desktop() = 0;
    // Shows a captioned top-level window of another program; 0 on failure.
    virtual WindowHandle createWindow(const TestWindowSpec& windowSpec) = 0;
    // Left clicks the window received, in client coordinates, oldest first.
    virtual std::vector<Point> clicksReceived(WindowHandle window) = 0;
};

using WorldFactory = std::unique_ptr<ContractWorld> (*)();

// Test windows as forms of `owner`: a fixed-frame form whose client area is one picture.
class FormsWorld : public ContractWorld {
public:
    FormsWorld(Desktop& observer, Forms& owner) : m_observer(observer), m_owner(owner) {}

    Desktop& desktop() override { return m_observer; }

    WindowHandle createWindow(const TestWindowSpec& windowSpec) override
    {
        Form& form = m_owner.createForm("contract" + std::to_string(++m_count));
        form.setCaption(windowSpec.title);
        form.setBorderStyle(BorderStyle::Fixed);
        form.setBounds(windowSpec.rect);
        const Size client = form.clientSize();
        PictureBox& picture = form.addPicture("surface");
        picture.setBounds({0, 0, client.width, client.height});
        picture.canvas().fillRect({0, 0, client.width, client.height}, windowSpec.fill);
        for (const Block& block : windowSpec.blocks)
            picture.canvas().fillRect(block.rect, block.color);
        const WindowHandle handle = form.handle();
        picture.onMouseDown = [this, handle](const MouseEvent& e) {
            if (e.button == MouseButton::Left)
                m_clicks[handle].push_back({e.x, e.y});
        };
        form.setVisible(true);
        PauseWithEvents(m_observer, 0.2);
        return handle;
    }

    std::vector<Point> clicksReceived(WindowHandle window) override { return m_clicks[window]; }

private:
    Desktop& m_observer;
    Forms& m_owner;
    int m_count = 0;
    std::map<WindowHandle, std::vector<Point>> m_clicks;
};

// Handles events until `done` or the time is up.
inline bool WaitFor(Desktop& desktop, const std::function<bool()>& done, double seconds)
{
    const uint32_t start = desktop.tickCount();
    while (!done()) {
        if (TicksSince(desktop, start) > static_cast<uint32_t>(seconds * 1000))
            return false;
        PauseWithEvents(desktop, 0.05);
    }
    return true;
}

inline WindowHandle FindByTitle(Desktop& desktop, const std::string& title)
{
    for (WindowHandle w = desktop.firstWindow(); w != 0; w = desktop.nextWindow(w))
        if (desktop.windowTitle(w) == title)
            return w;
    return 0;
}

// Where the client's corner lies inside the whole window.
inline Point FrameOffset(Desktop& desktop, WindowHandle window)
{
    Rect rect;
    Point origin;
    desktop.windowRect(window, rect);
    desktop.clientOrigin(window, origin);
    return {origin.x - rect.left, origin.y - rect.top};
}

constexpr Color DarkRed = Rgb(40, 0, 0);      // reads 0x1400
constexpr Color Mixed = Rgb(123, 45, 200);    // reads (15 << 10) | (5 << 5) | 25
constexpr uint16_t Mixed555 = (15 << 10) | (5 << 5) | 25;

class DesktopContract : public ::testing::TestWithParam<WorldFactory> {
protected:
    void SetUp() override { m_world = GetParam()(); }
    ContractWorld& world() { return *m_world; }
    Desktop& desktop() { return m_world->desktop(); }

    // A window with a known picture: white, a red block at (10..19, 10..19), a dark red one at
    // (30..39, 10..19) and a mixed colour at (50..59, 10..19).
    WindowHandle markedWindow(const std::string& title, Rect rect)
    {
        TestWindowSpec windowSpec{title, rect, Colors::White,
                            {{{10, 10, 20, 20}, Colors::Red}, {{30, 10, 40, 20}, DarkRed}, {{50, 10, 60, 20}, Mixed}}};
        const WindowHandle w = world().createWindow(windowSpec);
        MakeTopmost(desktop(), w);
        return w;
    }

private:
    std::unique_ptr<ContractWorld> m_world;
};

TEST_P(DesktopContract, WalkFindsTitledVisibleWindowWithItsRectangle)
{
    const Rect rect{100, 80, 100 + 301, 80 + 207};
    const WindowHandle w = world().createWindow({"Contract Walk caf\xC3\xA9", rect, Colors::White, {}});
    ASSERT_NE(w, 0u);
    EXPECT_EQ(FindByTitle(desktop(), "Contract Walk caf\xC3\xA9"), w);
    EXPECT_TRUE(IsVisibleWithCaption(desktop(), w));
    Rect got;
    ASSERT_TRUE(desktop().windowRect(w, got));
    EXPECT_EQ(got, rect);

    Rect client;
    ASSERT_TRUE(desktop().clientRect(w, client));
    const Point offset = FrameOffset(desktop(), w);
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.top, 0);
    EXPECT_GT(offset.y, offset.x) << "the caption lies above the client area";
    EXPECT_EQ(client.width(), rect.width() - 2 * offset.x);
    EXPECT_LE(offset.y + client.height(), rect.height());
}

TEST_P(DesktopContract, WholeWindowAndClientCapturesGiveExact555Values)
{
    const WindowHandle w = markedWindow("Contract Capture", {150, 120, 150 + 260, 120 + 180});
    ASSERT_NE(w, 0u);
    const Point offset = FrameOffset(desktop(), w);

    PixelBuffer client;
    CaptureGeometry panel;
    Rect clientRect;
    ASSERT_GT(CaptureWindow(desktop(), w, client, panel, clientRect, true), 0);
    EXPECT_EQ(panel.left, 0);
    EXPECT_EQ(panel.top, 0);
    EXPECT_EQ(panel.stride, panel.width + (panel.width & 1));
    EXPECT_EQ(PanelPixel(panel, client, 12, 12), uint16_t{0x7C00});
    EXPECT_EQ(PanelPixel(panel, client, 35, 15), uint16_t{0x1400});
    EXPECT_EQ(PanelPixel(panel, client, 59, 19), Mixed555);
    EXPECT_EQ(PanelPixel(panel, client, 60, 19), uint16_t{0x7FFF});
    EXPECT_EQ(PanelPixel(panel, client, 9, 9), uint16_t{0x7FFF});

    PixelBuffer whole;
    CaptureGeometry table;
    Rect windowRect;
    ASSERT_GT(CaptureWindow(desktop(), w, whole, table, windowRect, false), 0);
    EXPECT_EQ(windowRect.left, 150);
    EXPECT_EQ(table.width, 260);
    EXPECT_EQ(table.height, 180);
    // Every client pixel reads the same through both captures.
    int differences = 0;
    for (int y = 0; y < panel.height; ++y)
        for (int x = 0; x < panel.width; ++x)
            differences += PanelPixel(panel, client, x, y) != TablePixel(table, whole, x + offset.x, y + offset.y);
    EXPECT_EQ(differences, 0);
    EXPECT_EQ(TablePixel(table, whole, offset.x + 12, offset.y + 12), uint16_t{0x7C00});
}

TEST_P(DesktopContract, DesktopCaptureAddressesScreenCoordinates)
{
    const WindowHandle w = markedWindow("Contract Screen", {40, 60, 40 + 200, 60 + 150});
    ASSERT_NE(w, 0u);
    Point origin;
    ASSERT_TRUE(desktop().clientOrigin(w, origin));
    PixelBuffer screen;
    CaptureGeometry record;
    Rect rect;
    ASSERT_GT(CaptureWindow(desktop(), desktop().desktopWindow(), screen, record, rect, false), 0);
    EXPECT_EQ(record.width, desktop().screenSize().width);
    EXPECT_EQ(TablePixel(record, screen, origin.x + 15, origin.y + 15), uint16_t{0x7C00});
    EXPECT_EQ(TablePixel(record, screen, origin.x + 31, origin.y + 11), uint16_t{0x1400});
}

TEST_P(DesktopContract, MoveMinimiseRestoreAndTopmostShowInRectangleAndWalk)
{
    const WindowHandle w = world().createWindow({"Contract Move", {200, 200, 200 + 240, 200 + 160}, Colors::White, {}});
    const WindowHandle other = world().createWindow({"Contract Other", {220, 220, 220 + 240, 220 + 160}, Colors::White, {}});
    ASSERT_NE(w, 0u);
    ASSERT_NE(other, 0u);

    const Rect moved{300, 250, 300 + 250, 250 + 170};
    ASSERT_TRUE(desktop().moveWindow(w, moved, true));
    Rect got;
    desktop().windowRect(w, got);
    EXPECT_EQ(got, moved);

    MinimizeWindow(desktop(), w);
    WaitFor(desktop(), [&] { return (desktop().windowStyle(w) & WindowStyle::Minimize) != 0; }, 2);
    desktop().windowRect(w, got);
    EXPECT_EQ(got.left, MinimizedPosition);
    EXPECT_EQ(got.top, MinimizedPosition);

    RestoreWindow(desktop(), w);
    WaitFor(desktop(), [&] { return (desktop().windowStyle(w) & WindowStyle::Minimize) == 0; }, 2);
    desktop().windowRect(w, got);
    EXPECT_EQ(got, moved);

    MakeTopmost(desktop(), w);
    EXPECT_TRUE(desktop().isTopmost(w));
    bool topmostFirst = false;
    for (WindowHandle h = desktop().firstWindow(); h != 0; h = desktop().nextWindow(h)) {
        if (h == w || h == other) {
            topmostFirst = h == w;
            break;
        }
    }
    EXPECT_TRUE(topmostFirst);
    MakeNotTopmost(desktop(), w);
    EXPECT_FALSE(desktop().isTopmost(w));
}

TEST_P(DesktopContract, ClickArrivesAtExactClientCoordinates)
{
    const WindowHandle w = markedWindow("Contract Click", {260, 140, 260 + 220, 140 + 170});
    ASSERT_NE(w, 0u);
    Point origin;
    ASSERT_TRUE(desktop().clientOrigin(w, origin));
    ASSERT_TRUE(desktop().setCursorPos({origin.x + 25, origin.y + 17}));
    EXPECT_EQ(desktop().cursorPos(), (Point{origin.x + 25, origin.y + 17}));
    desktop().leftClick();
    ASSERT_TRUE(WaitFor(desktop(), [&] { return !world().clicksReceived(w).empty(); }, 3));
    EXPECT_EQ(world().clicksReceived(w).front(), (Point{25, 17}));
}

TEST_P(DesktopContract, PaintedBlockReadsBack)
{
    const WindowHandle w = markedWindow("Contract Paint", {120, 300, 120 + 200, 300 + 150});
    ASSERT_NE(w, 0u);
    desktop().paintPixels(w, true, {5, 30}, Image(6, 4, Rgb(0, 255, 0)));
    PixelBuffer pixels;
    CaptureGeometry panel;
    Rect rect;
    ASSERT_GT(CaptureWindow(desktop(), w, pixels, panel, rect, true), 0);
    EXPECT_EQ(PanelPixel(panel, pixels, 5, 30), uint16_t{0x03E0});
    EXPECT_EQ(PanelPixel(panel, pixels, 10, 33), uint16_t{0x03E0});
    EXPECT_EQ(PanelPixel(panel, pixels, 11, 33), uint16_t{0x7FFF});
    EXPECT_EQ(PanelPixel(panel, pixels, 5, 34), uint16_t{0x7FFF});
}

TEST_P(DesktopContract, WaitsLetTheTickCountPass)
{
    const uint32_t start = desktop().tickCount();
    WaitSeconds(desktop(), 0.3);
    EXPECT_GE(TicksSince(desktop(), start), 300u);
    EXPECT_LT(TicksSince(desktop(), start), 2000u);
}

} // namespace scorlet::contract
