// The virtual desktop itself: its clock and timers, z-order, clicks, painting, programs and the
// picture files it writes.

#include "platform/System.h"
#include "platform/virtual/VirtualProgram.h"

#include "tests/common/TestFolder.h"
#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace scorlet {
namespace {

class VirtualDesktopTest : public ::testing::Test {
protected:
    VirtualDesktop desktop;
    std::unique_ptr<VirtualProgram> program = desktop.startProgram("ScorletS");

    Timer& makeTimer(int intervalMs, std::function<void()> handler)
    {
        Form& form = program->createForm("frm" + std::to_string(++m_forms));
        Timer& timer = form.addTimer("Timer1");
        timer.onTimer = std::move(handler);
        timer.setInterval(intervalMs);
        timer.setEnabled(true);
        return timer;
    }

private:
    int m_forms = 0;
};

TEST_F(VirtualDesktopTest, HalfSecondTimerTicks120TimesInASimulatedMinuteAtOnce)
{
    int ticks = 0;
    makeTimer(500, [&] { ++ticks; });
    const auto realStart = std::chrono::steady_clock::now();
    const uint32_t start = desktop.now();
    desktop.runFor(60000);
    EXPECT_EQ(ticks, 120);
    EXPECT_EQ(desktop.now() - start, 60000u);
    EXPECT_LT(std::chrono::steady_clock::now() - realStart, std::chrono::milliseconds(500));
}

TEST_F(VirtualDesktopTest, TimerTicksArriveInsideAPauseOfAnotherHandler)
{
    std::vector<uint32_t> ticksDuringPause;
    bool pausing = false;
    makeTimer(500, [&] {
        if (pausing)
            ticksDuringPause.push_back(desktop.now());
    });
    desktop.schedule(desktop.now() + 100, [&] {
        pausing = true;
        PauseWithEvents(*program, 2.0);
        pausing = false;
    });
    desktop.runFor(3000);
    EXPECT_EQ(ticksDuringPause.size(), 4u);
}

TEST_F(VirtualDesktopTest, TimerNeverReentersItsOwnHandlerAndDropsMissedTicks)
{
    int depth = 0;
    int maxDepth = 0;
    int calls = 0;
    makeTimer(500, [&] {
        ++calls;
        maxDepth = std::max(maxDepth, ++depth);
        if (calls == 1)
            PauseWithEvents(*program, 2.2); // four ticks fall due meanwhile
        --depth;
    });
    const uint32_t start = desktop.now();
    desktop.runFor(3999);
    EXPECT_EQ(maxDepth, 1);
    // Ticks at 500 (long handler until 2700), then 3000, 3500: the four in between are lost.
    EXPECT_EQ(calls, 3);
    EXPECT_GE(desktop.now() - start, 3999u);
}

TEST_F(VirtualDesktopTest, RestartingOrStoppingATimerResetsItsCount)
{
    std::vector<uint32_t> at;
    Timer& timer = makeTimer(500, [&] { at.push_back(desktop.now()); });
    const uint32_t start = desktop.now();
    desktop.runFor(300);
    timer.setInterval(100); // counts again from now
    desktop.runFor(250);
    timer.setEnabled(false);
    desktop.runFor(1000);
    ASSERT_EQ(at.size(), 2u);
    EXPECT_EQ(at[0] - start, 400u);
    EXPECT_EQ(at[1] - start, 500u);
    timer.setInterval(0);
    timer.setEnabled(true);
    desktop.runFor(1000);
    EXPECT_EQ(at.size(), 2u) << "interval 0 never ticks";
}

TEST_F(VirtualDesktopTest, ProcessEventsCostsAMillisecondAndDeliversWhatIsDue)
{
    bool ran = false;
    desktop.schedule(desktop.now() + 3, [&] { ran = true; });
    const uint32_t start = program->tickCount();
    program->processEvents();
    program->processEvents();
    EXPECT_FALSE(ran);
    program->processEvents();
    EXPECT_TRUE(ran);
    EXPECT_EQ(program->tickCount() - start, 3u);
}

TEST_F(VirtualDesktopTest, RunEndsWithTheQuitCodeOrWhenNothingCanHappen)
{
    EXPECT_EQ(program->run(), -1) << "no timer, nothing scheduled";
    int ticks = 0;
    makeTimer(500, [&] {
        if (++ticks == 3)
            program->quit(7);
    });
    EXPECT_EQ(program->run(), 7);
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(program->quitting());
}

TEST_F(VirtualDesktopTest, ClicksGoToTheTopWindowUnderTheCursorAfterTheirDelay)
{
    std::vector<std::string> got;
    const WindowHandle below = desktop.createWindow({"below", {0, 0, 300, 300}});
    const WindowHandle above = desktop.createWindow({"above", {100, 100, 200, 200}});
    desktop.setMouseHandler(below, [&](const MouseEvent& e) { got.push_back("below " + std::to_string(e.x)); });
    desktop.setMouseHandler(above, [&](const MouseEvent& e) { got.push_back("above " + std::to_string(e.x)); });

    program->setCursorPos({150, 150});
    program->leftClick();
    program->processEvents();
    EXPECT_TRUE(got.empty()) << "the click is still on its way";
    WaitSeconds(*program, 0.1);
    program->setCursorPos({150, 103}); // the caption bar of "above"
    program->leftClick();
    program->setCursorPos({50, 150});
    program->leftClick();
    WaitSeconds(*program, 0.2);
    EXPECT_EQ(got, (std::vector<std::string>{"above 46", "below 46"}));
    EXPECT_EQ(desktop.zOrder().front(), below) << "a click activates its window";

    program->showWindow(below, ShowCommand::Minimize);
    program->setCursorPos({50, 150});
    desktop.clickNow();
    EXPECT_EQ(got.size(), 2u) << "minimised windows take no clicks";
    program->setCursorPos({-50, 99999});
    EXPECT_EQ(program->cursorPos(), (Point{0, 1023})) << "the cursor stays on the screen";
}

TEST_F(VirtualDesktopTest, TopmostWindowsStayAboveAndRestoreBringsToFront)
{
    const WindowHandle a = desktop.createWindow({"a", {0, 0, 10, 10}});
    const WindowHandle b = desktop.createWindow({"b", {0, 0, 10, 10}});
    program->setTopmost(a, true);
    const WindowHandle c = desktop.createWindow({"c", {0, 0, 10, 10}});
    EXPECT_EQ(desktop.zOrder(), (std::vector<WindowHandle>{a, c, b}));
    program->showWindow(b, ShowCommand::Minimize);
    program->showWindow(b, ShowCommand::Restore);
    EXPECT_EQ(desktop.zOrder(), (std::vector<WindowHandle>{a, b, c}));
    program->showWindow(c, ShowCommand::ShowNA);
    EXPECT_EQ(desktop.zOrder()[2], c) << "shown without activating";
    program->setTopmost(a, false);
    EXPECT_EQ(desktop.zOrder().front(), a);
    EXPECT_EQ(program->firstWindow(), a);
    EXPECT_EQ(program->nextWindow(a), b);
    EXPECT_EQ(program->nextWindow(c), 0u);
}

TEST_F(VirtualDesktopTest, PaintingLastsUntilTheWindowRepaints)
{
    const WindowHandle w = desktop.createWindow({"table", {0, 0, 100, 100}});
    int repaints = 0;
    desktop.setPaintHandler(w, [&] { ++repaints; });
    Point origin;
    program->clientOrigin(w, origin);
    program->paintPixels(w, false, {origin.x + 2, origin.y + 3}, Image(2, 2, Colors::Red));
    uint16_t px[4] = {};
    program->copyPixels(w, true, {2, 3, 4, 4}, px, 2);
    EXPECT_EQ(px[0], 0x7C00);
    program->repaintWindow(w);
    program->copyPixels(w, true, {2, 3, 4, 4}, px, 2);
    EXPECT_EQ(px[0], 0x7FFF);
    EXPECT_EQ(repaints, 1);

    // Painting through the client is clipped to the client area.
    program->paintPixels(w, true, {-1, -1}, Image(3, 3, Colors::Blue));
    const Image shown = desktop.windowImage(w);
    EXPECT_EQ(shown.at(origin.x - 1, origin.y - 1), Rgb(192, 192, 192)) << "the frame is untouched";
    EXPECT_EQ(shown.at(origin.x + 1, origin.y + 1), Colors::Blue);
}

TEST_F(VirtualDesktopTest, HiddenAndMinimisedWindowsReadBlack)
{
    WindowSpec windowSpec{"t", {0, 0, 20, 20}};
    windowSpec.frame = WindowFrame::none();
    windowSpec.background = Colors::White;
    const WindowHandle w = desktop.createWindow(windowSpec);
    uint16_t px[4] = {};
    program->showWindow(w, ShowCommand::Hide);
    EXPECT_EQ(program->copyPixels(w, false, {0, 0, 2, 2}, px, 2), 2);
    EXPECT_EQ(px[0], 0);
    // Covered windows still read their own pixels.
    program->showWindow(w, ShowCommand::Show);
    desktop.createWindow({"cover", {0, 0, 50, 50}});
    program->copyPixels(w, false, {0, 0, 2, 2}, px, 2);
    EXPECT_EQ(px[3], 0x7FFF);
}

TEST_F(VirtualDesktopTest, ProgramsOfTheSameNameSeeThePreviousInstance)
{
    auto table = desktop.startProgram("SpadesTable");
    EXPECT_FALSE(program->previousInstance("ScorletS"));
    EXPECT_TRUE(program->previousInstance("SpadesTable")) << "another program is running";
    auto second = desktop.startProgram("ScorletS");
    EXPECT_TRUE(second->previousInstance("ScorletS"));
    EXPECT_FALSE(program->previousInstance("ScorletS"));
    desktop.forcePreviousInstance(true);
    EXPECT_TRUE(program->previousInstance("ScorletS"));
}

TEST_F(VirtualDesktopTest, ClosingAProgramTakesItsWindowsAndTimersAway)
{
    auto table = desktop.startProgram("SpadesTable");
    Form& form = table->createForm("frmTable");
    form.setCaption("Yahoo! Spades - Game: Spades Table: 3");
    form.setVisible(true);
    int ticks = 0;
    Timer& timer = form.addTimer("tick");
    timer.onTimer = [&] { ++ticks; };
    timer.setInterval(100);
    timer.setEnabled(true);
    desktop.runFor(250);
    EXPECT_EQ(ticks, 2);
    const WindowHandle handle = form.handle();
    EXPECT_EQ(program->windowTitle(handle), "Yahoo! Spades - Game: Spades Table: 3");
    table.reset();
    EXPECT_FALSE(program->isWindow(handle));
    desktop.runFor(1000);
    EXPECT_EQ(ticks, 2);
}

// Inflates the image data of a PNG file and returns its bytes (filter byte first on each row).
std::vector<unsigned char> PngRows(const std::string& path, uint32_t& width, uint32_t& height)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> file((std::istreambuf_iterator<char>(in)), {});
    auto u32 = [&](size_t at) {
        return (uint32_t(file[at]) << 24) | (uint32_t(file[at + 1]) << 16) | (uint32_t(file[at + 2]) << 8) | file[at + 3];
    };
    std::vector<unsigned char> packed;
    for (size_t at = 8; at + 8 <= file.size();) {
        const uint32_t length = u32(at);
        const std::string type(file.begin() + at + 4, file.begin() + at + 8);
        if (type == "IHDR") {
            width = u32(at + 8);
            height = u32(at + 12);
        } else if (type == "IDAT") {
            packed.insert(packed.end(), file.begin() + at + 8, file.begin() + at + 8 + length);
        }
        const uLong crc = crc32(0, file.data() + at + 4, length + 4);
        EXPECT_EQ(crc, u32(at + 8 + length)) << type;
        at += 12 + length;
    }
    std::vector<unsigned char> rows(size_t(height) * (1 + 3 * width));
    uLongf size = rows.size();
    EXPECT_EQ(uncompress(rows.data(), &size, packed.data(), packed.size()), Z_OK);
    return rows;
}

TEST_F(VirtualDesktopTest, PngDumpHoldsTheWindowWithItsFrame)
{
    WindowSpec windowSpec{"dump", {5, 5, 45, 65}};
    windowSpec.background = Rgb(10, 20, 30);
    const WindowHandle w = desktop.createWindow(windowSpec);
    const std::string path = (scorlet::testing::TestFolder("png_dump") / "dump.png").string();
    ASSERT_TRUE(desktop.dumpPng(w, path));
    uint32_t width = 0, height = 0;
    const auto rows = PngRows(path, width, height);
    EXPECT_EQ(width, 40u);
    EXPECT_EQ(height, 60u);
    const size_t lastRowMiddle = size_t(height - 5 - 1) * (1 + 3 * width) + 1 + 3 * 20;
    EXPECT_EQ(rows[lastRowMiddle], 10);
    EXPECT_EQ(rows[lastRowMiddle + 1], 20);
    EXPECT_EQ(rows[lastRowMiddle + 2], 30);
    EXPECT_EQ(rows[1], 192) << "the frame's corner";
    EXPECT_TRUE(desktop.dumpPng(0, path)) << "the whole screen";
}

} // namespace
} // namespace scorlet
