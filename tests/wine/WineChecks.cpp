// What only the real window system shows: the window program's fixed windows read from another
// process (walk, styles, exact 5-5-5 pixels, moves, clicks, painting), the probe's own forms and
// controls on screen, and the facts about the system.
#include <windows.h>

#include "platform/Capture.h"
#include "platform/System.h"
#include "platform/Window.h"
#include "tests/wine/WineLayout.h"
#include "tests/wine/WineProbe.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

namespace scorlet::wine {
namespace {

// Handles are sign-extended 32-bit values.
HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(window))); }

struct Capture {
    PixelBuffer pixels;
    CaptureGeometry record;
    Rect rect;
    int rows = 0;
    std::optional<uint16_t> at(int x, int y) const { return PanelPixel(record, pixels, x, y); }
    std::optional<uint16_t> whole(int x, int y) const { return TablePixel(record, pixels, x, y); }
};

Capture Take(WindowHandle window, bool clientOnly)
{
    Capture c;
    c.rows = CaptureWindow(TheProbe().desktop, window, c.pixels, c.record, c.rect, clientOnly);
    return c;
}

class WineWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        a = FindByTitle(desktop, TitleA);
        ASSERT_NE(a, 0u) << "window A of the window program";
        RestoreWindow(desktop, a);
        Rect r;
        desktop.windowRect(a, r);
        desktop.moveWindow(a, r.movedTo(StartAX, StartAY), true);
        MakeTopmost(desktop, a);
        PauseWithEvents(desktop, 0.1);
    }

    void expectPatternA(const Capture& c)
    {
        EXPECT_EQ(c.at(0, 0), Blue555);
        EXPECT_EQ(c.at(ClientWidth - 1, ClientHeight - 1), Green555);
        EXPECT_EQ(c.at(RedLeft, RedTop), Red555);
        EXPECT_EQ(c.at(RedRight - 1, RedBottom - 1), Red555);
        EXPECT_EQ(c.at(RedRight, RedTop), Dark555);
        EXPECT_EQ(c.at(RedLeft, RedBottom), Dark555);
        EXPECT_EQ(c.at(WhiteX, WhiteY), White555);
        EXPECT_EQ(c.at(WhiteX + 1, WhiteY), Dark555);
    }

    Desktop& desktop = TheProbe().desktop;
    WindowHandle a = 0;
};

TEST_F(WineWindows, WalkReadsTitlesAndStylesOfAnotherProgram)
{
    const WindowHandle popup = FindByTitle(desktop, TitlePopup);
    const WindowHandle hidden = FindByTitle(desktop, TitleHidden);
    ASSERT_NE(popup, 0u);
    ASSERT_NE(hidden, 0u);
    EXPECT_TRUE(IsVisibleWithCaption(desktop, a));
    EXPECT_FALSE(IsVisibleWithCaption(desktop, popup)) << "no caption";
    EXPECT_FALSE(IsVisibleWithCaption(desktop, hidden)) << "never shown";
    EXPECT_EQ(desktop.windowStyle(a) & WindowStyle::OverlappedWindow, WindowStyle::OverlappedWindow);
    EXPECT_EQ(desktop.windowTitle(0), "");
    EXPECT_FALSE(desktop.isWindow(0));
    EXPECT_EQ(desktop.nextWindow(0), 0u);
}

TEST_F(WineWindows, ClientAreaSitsInsideAFrameAndCaption)
{
    Rect window, client;
    ASSERT_TRUE(desktop.windowRect(a, window));
    ASSERT_TRUE(desktop.clientRect(a, client));
    EXPECT_EQ(window.left, StartAX);
    EXPECT_EQ(window.top, StartAY);
    EXPECT_EQ(client, (Rect {0, 0, ClientWidth, ClientHeight}));
    const Point frame = FrameOffset(desktop, a);
    EXPECT_GT(frame.x, 0);
    EXPECT_GT(frame.y, frame.x);
    EXPECT_EQ(window.width(), ClientWidth + 2 * frame.x);
}

TEST_F(WineWindows, CapturesReadExact555ValuesBottomUp)
{
    const Capture client = Take(a, true);
    ASSERT_EQ(client.rows, ClientHeight);
    EXPECT_EQ(client.record.width, ClientWidth);
    EXPECT_EQ(client.record.stride, ClientWidth + 1) << "odd widths are padded to even";
    expectPatternA(client);
    EXPECT_EQ(client.pixels[static_cast<size_t>(ClientHeight - 1) * client.record.stride], Blue555)
        << "the top-left pixel starts the last row";
    EXPECT_EQ(client.at(ClientWidth, 0), std::nullopt);

    const Capture whole = Take(a, false);
    const Point frame = FrameOffset(desktop, a);
    int differences = 0;
    for (int y = 0; y < ClientHeight; ++y)
        for (int x = 0; x < ClientWidth; ++x)
            differences += whole.whole(x + frame.x, y + frame.y) != client.at(x, y);
    EXPECT_EQ(differences, 0);
    EXPECT_NE(whole.whole(frame.x / 2, frame.y / 2).value_or(0), 0) << "the frame is drawn";
}

TEST_F(WineWindows, MovedMinimisedRestoredAndTopmostWindowKeepsItsPicture)
{
    Rect before, now;
    desktop.windowRect(a, before);
    const Rect target = before.movedTo(120, 150);
    ASSERT_TRUE(desktop.moveWindow(a, target, true));
    desktop.windowRect(a, now);
    EXPECT_EQ(now, target);
    expectPatternA(Take(a, true));

    MinimizeWindow(desktop, a);
    PauseWithEvents(desktop, 0.2);
    desktop.windowRect(a, now);
    EXPECT_EQ(now.left, MinimizedPosition);
    EXPECT_EQ(now.top, MinimizedPosition);
    EXPECT_NE(desktop.windowStyle(a) & WindowStyle::Minimize, 0u);
    RestoreWindow(desktop, a);
    PauseWithEvents(desktop, 0.2);
    desktop.windowRect(a, now);
    EXPECT_EQ(now, target);
    expectPatternA(Take(a, true));

    MakeNotTopmost(desktop, a);
    EXPECT_FALSE(desktop.isTopmost(a));
    MakeTopmost(desktop, a);
    EXPECT_TRUE(desktop.isTopmost(a));
    desktop.windowRect(a, now);
    EXPECT_EQ(now, target) << "top-most neither moves nor sizes";
}

TEST_F(WineWindows, ClickArrivesInTheOtherProgramAtClientCoordinates)
{
    Point origin;
    ASSERT_TRUE(desktop.clientOrigin(a, origin));
    const Point point {origin.x + 57, origin.y + 33};
    ASSERT_TRUE(desktop.setCursorPos(point));
    EXPECT_EQ(desktop.cursorPos(), point);
    desktop.leftClick();
    EXPECT_TRUE(WaitForLog("down A 57 33", 3));
    EXPECT_TRUE(WaitForLog("up A 57 33", 3));
}

TEST_F(WineWindows, PaintedBlocksReadBackUntilTheWindowRepaints)
{
    const Point frame = FrameOffset(desktop, a);
    const Color blue = Rgb(8, 16, 250); // truncated to (1, 2, 31)
    ASSERT_TRUE(desktop.paintPixels(a, true, {200, 100}, Image(20, 10, blue)));
    ASSERT_TRUE(desktop.paintPixels(a, false, {frame.x + 250, frame.y + 150}, Image(5, 5, Colors::White)));
    const Capture c = Take(a, true);
    EXPECT_EQ(c.at(200, 100), To555(blue));
    EXPECT_EQ(c.at(219, 109), To555(blue));
    EXPECT_EQ(c.at(220, 109), Dark555);
    EXPECT_EQ(c.at(250, 150), White555) << "whole-window coordinates include the frame";
    EXPECT_EQ(c.at(254, 154), White555);

    ASSERT_TRUE(desktop.repaintWindow(a));
    PauseWithEvents(desktop, 0.5);
    EXPECT_EQ(Take(a, true).at(200, 100), Dark555);
}

TEST_F(WineWindows, WindowRightOfTheLimitIsNotCaptured)
{
    const WindowHandle b = FindByTitle(desktop, TitleB);
    ASSERT_NE(b, 0u);
    MakeTopmost(desktop, b);
    const Capture white = Take(b, true);
    EXPECT_EQ(white.at(0, 0), White555);
    EXPECT_EQ(white.at(ClientWidth - 1, ClientHeight - 1), White555);

    Rect r;
    desktop.windowRect(b, r);
    desktop.moveWindow(b, r.movedTo(1100, r.top), true);
    EXPECT_EQ(Take(b, false).rows, 0);
    desktop.moveWindow(b, r, true);
}

// The probe's own form with every kind of control, left open for the screenshot.
TEST(WineForms, FormShowsDrawingsControlsAndHandlesEvents)
{
    Desktop& desktop = TheProbe().desktop;
    Form& form = TheProbe().forms.createForm("frmProbe");
    form.setCaption("Scorlet Wine Form");
    form.setBorderStyle(BorderStyle::Fixed);
    form.setBackColor(Rgb(40, 0, 0));
    form.setBounds({600, 420, 900, 700});
    form.setClientSize({260, 200});
    MenuItem& options = form.addMenu("menuOptions", "&Options");
    MenuItem& seat = options.addItem("menuSeat", "&Seat overlay");
    seat.setChecked(true);
    options.addItem("menuHidden", "Hidden").setVisible(false);
    int seatClicks = 0;
    seat.onClick = [&] { ++seatClicks; };
    Label& label = form.addLabel("lblStatus");
    label.setBounds({10, 150, 120, 166});
    label.setCaption("Box OK");
    label.setForeColor(Colors::Blue);
    label.setAlignment(Alignment::Right);
    label.setToolTip("Where the table box was found");
    Button& button = form.addButton("cmdEnd");
    button.setBounds({140, 150, 220, 175});
    button.setCaption("End");
    button.setCancel(true);
    int buttonClicks = 0;
    button.onClick = [&] { ++buttonClicks; };
    ListBox& list = form.addListBox("filBox");
    list.setMultiSelect(true);
    list.setBounds({150, 10, 250, 80});
    list.setItems({"12_06_1.spd", "12_06_2.spd", "12_06_3.spd"});
    list.setSelected(0, true);
    list.setSelected(2, true);
    PictureBox& picture = form.addPicture("picCards");
    picture.setBounds({10, 90, 74, 130});
    picture.setBackColor(Colors::White);
    MouseEvent pictureDown {};
    int pictureClicks = 0, listClicks = 0;
    list.onClick = [&] { ++listClicks; };
    picture.onMouseDown = [&](const MouseEvent& e) { pictureDown = e; };
    picture.onClick = [&] { ++pictureClicks; };
    Timer& timer = form.addTimer("Timer1");
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    // The form stays up after the test: its handlers must not outlive this function's counters.
    struct Unhook {
        Button& button;
        PictureBox& picture;
        Timer& timer;
        ListBox& list;
        MenuItem& seat;
        ~Unhook()
        {
            list.onClick = nullptr;
            seat.onClick = nullptr;
            button.onClick = nullptr;
            picture.onMouseDown = nullptr;
            picture.onClick = nullptr;
            timer.onTimer = nullptr;
        }
    } unhook {button, picture, timer, list, seat};

    form.canvas().fillRect({10, 10, 40, 30}, Colors::Red);
    form.canvas().drawText({10, 40}, "Bid: 4", Font {"Arial", 10, true}, Colors::White);
    form.canvas().drawText({70, 40}, "\xC2\xA7\xC2\xA8\xC2\xA9\xC2\xAA", Font {"Symbol", 12, false}, Colors::White);
    picture.canvas().drawImage({2, 3}, Image(4, 4, Rgb(0, 255, 0)));
    const Image back = picture.canvas().readImage({2, 3, 6, 7});
    EXPECT_EQ(back.at(3, 3), Rgb(0, 255, 0));
    EXPECT_GT(form.canvas().textWidth("Bid: 4", Font {"Arial", 10, true}), 20);
    form.setVisible(true);
    form.setTopmost(true);
    PauseWithEvents(desktop, 0.3);

    const WindowHandle w = FindByTitle(desktop, "Scorlet Wine Form");
    ASSERT_EQ(w, form.handle()) << "the form is a top-level window of the walk";
    Rect client;
    desktop.clientRect(w, client);
    EXPECT_EQ(client.width(), 260);
    EXPECT_EQ(client.height(), form.clientSize().height);
    const Capture c = Take(w, true);
    EXPECT_EQ(c.at(10, 10), Red555);
    EXPECT_EQ(c.at(39, 29), Red555);
    EXPECT_EQ(c.at(45, 12), Dark555) << "the back colour";
    EXPECT_EQ(c.at(10 + 2, 90 + 3), To555(Rgb(0, 255, 0))) << "picture content at picture (2,3)";
    EXPECT_EQ(c.at(10, 90), White555) << "picture back colour";
    int textInk = 0, symbolInk = 0;
    for (int y = 40; y < 60; ++y) {
        for (int x = 10; x < 60; ++x)
            textInk += c.at(x, y) == White555;
        for (int x = 70; x < 130; ++x)
            symbolInk += c.at(x, y) == White555;
    }
    EXPECT_GT(textInk, 20) << "Arial text leaves ink";
    EXPECT_GT(symbolInk, 20) << "the Symbol font's suit glyphs leave ink";
    int leftInk = 0, rightInk = 0;
    for (int y = 150; y < 166; ++y)
        for (int x = 10; x < 120; ++x)
            (x < 60 ? leftInk : rightInk) += c.at(x, y) == Blue555;
    EXPECT_EQ(leftInk, 0) << "the label's text is aligned right";
    EXPECT_GT(rightInk, 10);

    // A 500 ms timer ticks inside a wait, as the main loop's timer does during a pause.
    timer.setInterval(500);
    timer.setEnabled(true);
    WaitSeconds(desktop, 2.7);
    timer.setEnabled(false);
    EXPECT_GE(ticks, 3) << "a loaded machine may delay a tick or two, not most of them";
    EXPECT_LE(ticks, 6);

    Point origin;
    desktop.clientOrigin(w, origin);
    desktop.setCursorPos({origin.x + 180, origin.y + 160});
    desktop.leftClick();
    PauseWithEvents(desktop, 0.3);
    desktop.setCursorPos({origin.x + 10 + 7, origin.y + 90 + 5});
    desktop.leftClick();
    PauseWithEvents(desktop, 0.5);
    EXPECT_EQ(buttonClicks, 1);
    EXPECT_EQ(pictureClicks, 1);
    EXPECT_EQ(pictureDown.x, 7) << "picture-relative coordinates";
    EXPECT_EQ(pictureDown.y, 5);
    EXPECT_EQ(list.selectedIndexes(), (std::vector<int> {0, 2}));

    // A plain click on the second item selects it alone (extended selection), as the user sees it.
    HWND listWindow = FindWindowExA(ToHwnd(w), nullptr, "ListBox", nullptr);
    ASSERT_NE(listWindow, nullptr);
    const int itemHeight = static_cast<int>(SendMessageA(listWindow, LB_GETITEMHEIGHT, 0, 0));
    desktop.setCursorPos({origin.x + 150 + 20, origin.y + 10 + itemHeight + itemHeight / 2 + 1});
    desktop.leftClick();
    PauseWithEvents(desktop, 0.4);
    EXPECT_EQ(list.selectedIndexes(), (std::vector<int> {1}));
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(listClicks, 1);

    // The menu bar: the check mark, hidden items left out, and a chosen item's onClick.
    HMENU bar = GetMenu(ToHwnd(w));
    ASSERT_NE(bar, nullptr);
    HMENU popup = GetSubMenu(bar, 0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(GetMenuItemCount(popup), 1) << "the hidden item is not on the menu";
    EXPECT_NE(GetMenuState(popup, 0, MF_BYPOSITION) & MF_CHECKED, 0u);
    seat.setChecked(false);
    popup = GetSubMenu(GetMenu(ToHwnd(w)), 0);
    EXPECT_EQ(GetMenuState(popup, 0, MF_BYPOSITION) & MF_CHECKED, 0u);
    PostMessageA(ToHwnd(w), WM_COMMAND, GetMenuItemID(popup, 0), 0);
    PauseWithEvents(desktop, 0.1);
    EXPECT_EQ(seatClicks, 1);
    seat.setChecked(true);
}

// Keys reach the form first, Esc presses its cancel button; closing asks onQueryClose.
TEST(WineForms, KeysAndClosing)
{
    Desktop& desktop = TheProbe().desktop;
    Form& form = TheProbe().forms.createForm("frmKeys");
    form.setCaption("Scorlet Wine Keys");
    form.setBounds({40, 700, 300, 820});
    Button& cancel = form.addButton("cmdCancel");
    cancel.setBounds({10, 10, 90, 35});
    cancel.setCaption("Cancel");
    cancel.setCancel(true);
    std::vector<int> keys;
    int cancels = 0, unloads = 0;
    bool mayClose = false;
    form.onKeyDown = [&](const KeyEvent& e) { keys.push_back(e.keyCode); };
    cancel.onClick = [&] { ++cancels; };
    form.onQueryClose = [&] { return mayClose; };
    form.onUnload = [&] { ++unloads; };
    form.setVisible(true);
    PauseWithEvents(desktop, 0.2);
    SetForegroundWindow(ToHwnd(form.handle()));
    PauseWithEvents(desktop, 0.2);

    INPUT press[4] {};
    for (INPUT& in : press)
        in.type = INPUT_KEYBOARD;
    press[0].ki.wVk = 'C';
    press[1].ki.wVk = 'C';
    press[1].ki.dwFlags = KEYEVENTF_KEYUP;
    press[2].ki.wVk = VK_ESCAPE;
    press[3].ki.wVk = VK_ESCAPE;
    press[3].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(4, press, sizeof(INPUT));
    PauseWithEvents(desktop, 0.3);
    EXPECT_EQ(keys, (std::vector<int> {'C', Key::Escape})) << "the form sees keys aimed at its button";
    EXPECT_EQ(cancels, 1) << "Esc presses the cancel button";

    const WindowHandle w = form.handle();
    form.close();
    EXPECT_TRUE(form.loaded()) << "onQueryClose refused";
    mayClose = true;
    PostMessageA(ToHwnd(w), WM_CLOSE, 0, 0);
    PauseWithEvents(desktop, 0.2);
    EXPECT_FALSE(form.loaded()) << "the user closing the window takes the same path";
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(desktop.isWindow(w));
    EXPECT_EQ(TheProbe().forms.findForm("frmKeys"), nullptr);
}

TEST(WineForms, BorderStyleAndClientSizeShowOnTheWindow)
{
    Desktop& desktop = TheProbe().desktop;
    Form& form = TheProbe().forms.createForm("frmBorder");
    form.setCaption("Scorlet Wine Border");
    form.setBounds({700, 40, 900, 160});
    form.setVisible(true);
    PauseWithEvents(desktop, 0.1);
    EXPECT_TRUE(IsVisibleWithCaption(desktop, form.handle()));
    const Point fixedFrame = FrameOffset(desktop, form.handle());

    form.setBorderStyle(BorderStyle::ToolWindow);
    form.setClientSize({150, 90});
    PauseWithEvents(desktop, 0.1);
    EXPECT_NE(GetWindowLongA(ToHwnd(form.handle()), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    EXPECT_LT(FrameOffset(desktop, form.handle()).y, fixedFrame.y) << "a tool window has a smaller caption";
    EXPECT_EQ(form.clientSize(), (Size {150, 90}));

    form.setBorderStyle(BorderStyle::None);
    form.setClientSize({150, 90});
    PauseWithEvents(desktop, 0.1);
    EXPECT_FALSE(IsVisibleWithCaption(desktop, form.handle()));
    EXPECT_EQ(FrameOffset(desktop, form.handle()), (Point {0, 0}));
    Rect r;
    desktop.windowRect(form.handle(), r);
    EXPECT_EQ(r, (Rect {700, 40, 850, 130}));
    form.close();
}

TEST(WineSystem, FactsAboutTheSystem)
{
    Desktop& desktop = TheProbe().desktop;
    EXPECT_EQ(desktop.ansiCodePage(), 1252);
    const auto fonts = desktop.fontNames();
    for (const char* name : {"Arial", "Courier New", "Times New Roman", "Symbol"})
        EXPECT_NE(std::find(fonts.begin(), fonts.end(), name), fonts.end()) << name;
    EXPECT_EQ(desktop.platformId(), PlatformId::WindowsNT);
    EXPECT_EQ(desktop.screenSize(), (Size {1280, 1024}));
    EXPECT_FALSE(desktop.previousInstance("ScorletWineProbe"));
    EXPECT_FALSE(desktop.previousInstance("ScorletWineProbe")) << "asking again must not find this copy";
    EXPECT_TRUE(desktop.previousInstance("ScorletWineWindows")) << "the window program is running";
    EXPECT_FALSE(desktop.openWebPage("C:\\windows\\system32\\calc.exe")) << "only web addresses are opened";
    const uint32_t start = desktop.tickCount();
    PlaySystemSound(desktop, "SystemExclamation");
    AlertChime(desktop);
    EXPECT_LT(TicksSince(desktop, start), 1000u) << "sounds play asynchronously";
    EXPECT_NE(desktop.programFolder().find("testrun"), std::string::npos) << desktop.programFolder();
}

// The embedded manifest: captures and clicks are in real pixels on a scaled display.
TEST(WineSystem, ManifestMakesTheProgramPerMonitorDpiAware)
{
    EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()), DPI_AWARENESS_PER_MONITOR_AWARE);
}

TEST(WineJapanese, TitlesFontsAndTextUnderShiftJis)
{
    Desktop& desktop = TheProbe().desktop;
    EXPECT_EQ(desktop.ansiCodePage(), 932);
    EXPECT_NE(FindByTitle(desktop, TitleJapanese), 0u) << "a Japanese title reads back exactly";
    EXPECT_NE(FindByTitle(desktop, TitleA), 0u);

    const std::string gothic = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF";
    const auto fonts = desktop.fontNames();
    ASSERT_NE(std::find(fonts.begin(), fonts.end(), gothic), fonts.end()) << "the full-width name enumerates";

    Form& form = TheProbe().forms.createForm("frmJapanese");
    form.setCaption(TitleJapanese + std::string(" form"));
    form.setBackColor(Colors::White);
    form.setBounds({40, 500, 340, 640});
    const Font font {gothic, 12, false};
    form.canvas().drawText({10, 10}, TitleJapanese, font, Colors::Black);
    EXPECT_GT(form.canvas().textWidth(TitleJapanese, font), 5 * 10) << "five full-width characters";
    form.setVisible(true);
    form.setTopmost(true);
    PauseWithEvents(desktop, 0.3);
    const Capture c = Take(form.handle(), true);
    int ink = 0;
    for (int y = 10; y < 30; ++y)
        for (int x = 10; x < 110; ++x)
            ink += c.at(x, y) == uint16_t {0};
    EXPECT_GT(ink, 60) << "Japanese glyphs are drawn, not boxes or question marks";
    form.close();
}

} // namespace
} // namespace scorlet::wine
