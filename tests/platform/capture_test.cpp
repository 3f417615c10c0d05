// The capture primitive and the two ways of addressing a pixel in the copy.

#include "platform/Capture.h"
#include "platform/Form.h"
#include "platform/System.h"
#include "platform/virtual/VirtualProgram.h"

#include <gtest/gtest.h>

#include <functional>

namespace scorlet {
namespace {

class CaptureTest : public ::testing::Test {
protected:
    VirtualDesktop desktop;
    std::unique_ptr<VirtualProgram> program = desktop.startProgram("ScorletS");
    PixelBuffer pixels;
    CaptureGeometry record;
    Rect rect;

    // A plain window without frame, so client and window coordinates agree.
    WindowHandle bareWindow(Rect r, Color fill)
    {
        WindowSpec windowSpec{"bare", r};
        windowSpec.frame = WindowFrame::none();
        windowSpec.style = WindowStyle::Popup | WindowStyle::Visible;
        windowSpec.background = fill;
        return desktop.createWindow(windowSpec);
    }
    // A timer of the program's main form that runs during the capture's pauses.
    Timer& timerEvery(int intervalMs, std::function<void()> handler)
    {
        Timer& timer = program->createForm("frmZ").addTimer("Timer1");
        timer.onTimer = std::move(handler);
        timer.setInterval(intervalMs);
        timer.setEnabled(true);
        return timer;
    }
};

TEST_F(CaptureTest, OddWidthRoundsStrideUpRowsRunBottomUpAndComponentsAreTruncated)
{
    const WindowHandle w = bareWindow({0, 0, 801, 40}, Colors::White);
    desktop.surface(w).set(0, 0, Colors::Red);   // top-left
    desktop.surface(w).set(800, 39, Colors::Blue); // bottom-right
    ASSERT_EQ(CaptureWindow(*program, w, pixels, record, rect, true), 40);
    EXPECT_EQ(record.stride, 802);
    ASSERT_EQ(pixels.size(), 802u * 40);
    EXPECT_EQ(pixels[39 * 802], 0x7C00);      // (0, 0) lies in the last row
    EXPECT_EQ(pixels[800], 0x001F);           // (800, 39) in the first
    EXPECT_EQ(pixels[801], 0);                // the padding pixel
    EXPECT_EQ(PanelIndex(record, pixels, 0, 0), size_t{39 * 802});
    EXPECT_EQ(TableIndex(record, pixels, 0, 0), size_t{39 * 802});
    // Components are truncated to five bits, not rounded.
    desktop.surface(w).set(1, 0, Rgb(7, 15, 255));
    ASSERT_GT(CaptureWindow(*program, w, pixels, record, rect, true), 0);
    EXPECT_EQ(PanelPixel(record, pixels, 1, 0), uint16_t{(0 << 10) | (1 << 5) | 31});
}

TEST_F(CaptureTest, FailuresReturnZeroAndLeaveThePictureAlone)
{
    const WindowHandle good = bareWindow({0, 0, 10, 10}, Colors::Red);
    ASSERT_GT(CaptureWindow(*program, good, pixels, record, rect, false), 0);
    const PixelBuffer before = pixels;

    // An empty client area.
    const WindowHandle empty = bareWindow({50, 50, 50, 50}, Colors::White);
    EXPECT_EQ(CaptureWindow(*program, empty, pixels, record, rect, true), 0);
    EXPECT_EQ(record.width, 0);
    EXPECT_EQ(record.height, 0);
    EXPECT_EQ(record.rowsRead, 0);
    EXPECT_EQ(pixels, before);

    // Off to the right of x = 1000: the size is noted, nothing is copied.
    const WindowHandle right = bareWindow({1001, 0, 1101, 50}, Colors::White);
    EXPECT_EQ(CaptureWindow(*program, right, pixels, record, rect, false), 0);
    EXPECT_EQ(record.width, 100);
    EXPECT_EQ(record.rowsRead, 0);
    EXPECT_EQ(rect.left, 1001);
    EXPECT_EQ(pixels, before);

    // A window that is gone.
    EXPECT_EQ(CaptureWindow(*program, 0x7777, pixels, record, rect, true), 0);
    EXPECT_EQ(pixels, before);
}

TEST_F(CaptureTest, PositionsOutsideThePictureAreNotRead)
{
    const WindowHandle w = bareWindow({0, 0, 5, 3}, Colors::White);
    ASSERT_GT(CaptureWindow(*program, w, pixels, record, rect, true), 0);
    EXPECT_FALSE(PanelPixel(record, pixels, -1, 0));
    EXPECT_FALSE(PanelPixel(record, pixels, 5, 0));  // the padding column is not a pixel
    EXPECT_FALSE(PanelPixel(record, pixels, 0, 3));
    EXPECT_FALSE(TablePixel(record, pixels, 0, -1));
    EXPECT_TRUE(PanelPixel(record, pixels, 4, 2));
    EXPECT_FALSE(PanelPixel(record, PixelBuffer{}, 0, 0)) << "a record without its buffer";
}

TEST_F(CaptureTest, TakesTheTwoPausesAndLetsTimersRunMeanwhile)
{
    const WindowHandle w = bareWindow({0, 0, 8, 8}, Colors::White);
    int ticks = 0;
    timerEvery(100, [&] { ++ticks; });

    const uint32_t start = program->tickCount();
    CaptureWindow(*program, w, pixels, record, rect, true);
    EXPECT_GE(TicksSince(*program, start), 200u);
    EXPECT_LT(TicksSince(*program, start), 260u);
    EXPECT_GE(ticks, 2);

    const uint32_t slow = program->tickCount();
    CaptureWindow(*program, w, pixels, record, rect, true, 0.5);
    EXPECT_GE(TicksSince(*program, slow), 600u);
}

TEST_F(CaptureTest, RecordAndBufferStayTogetherWhenAHandlerCapturesDuringThePause)
{
    const WindowHandle big = bareWindow({0, 0, 30, 20}, Colors::Red);
    const WindowHandle small = bareWindow({100, 0, 103, 2}, Colors::Blue);
    Timer& timer = timerEvery(150, [&] {
        Rect r;
        CaptureWindow(*program, small, pixels, record, r, true); // the same shared picture
    });
    ASSERT_EQ(CaptureWindow(*program, big, pixels, record, rect, true), 20);
    timer.setEnabled(false);
    EXPECT_EQ(record.width, 30);
    EXPECT_EQ(pixels.size(), size_t(record.stride) * record.height);
    EXPECT_EQ(PanelPixel(record, pixels, 29, 19), uint16_t{0x7C00});
}

TEST_F(CaptureTest, DesktopCaptureReadsTheScreenWithWindowsInZOrder)
{
    bareWindow({10, 10, 30, 30}, Colors::Red);
    const WindowHandle top = bareWindow({20, 20, 40, 40}, Colors::Blue);
    ASSERT_GT(CaptureWindow(*program, program->desktopWindow(), pixels, record, rect, false), 0);
    EXPECT_EQ(record.right, 1280);
    EXPECT_EQ(TablePixel(record, pixels, 15, 15), uint16_t{0x7C00});
    EXPECT_EQ(TablePixel(record, pixels, 25, 25), uint16_t{0x001F});
    program->showWindow(top, ShowCommand::Hide);
    CaptureWindow(*program, program->desktopWindow(), pixels, record, rect, false);
    EXPECT_EQ(TablePixel(record, pixels, 25, 25), uint16_t{0x7C00});
}

} // namespace
} // namespace scorlet
