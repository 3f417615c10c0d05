// A program's own forms on the virtual desktop, driven the way tests drive the programs: click a
// control, press a key, read captions and what was drawn.

#include "platform/Capture.h"
#include "platform/System.h"
#include "platform/Window.h"
#include "platform/virtual/TextRaster.h"
#include "platform/virtual/VirtualControls.h"
#include "platform/virtual/VirtualProgram.h"

#include <gtest/gtest.h>

namespace scorlet {
namespace {

class FormsTest : public ::testing::Test {
protected:
    VirtualDesktop desktop;
    std::unique_ptr<VirtualProgram> program = desktop.startProgram("ScorletS");
    Form& main = makeMain();
    std::vector<std::string> events;

    Form& makeMain()
    {
        Form& f = program->createForm("frmZ");
        f.setCaption("ScorletS  2.5");
        f.setBounds({900, 0, 1280, 400});
        f.setVisible(true);
        return f;
    }
    Button& button(const std::string& name, Rect bounds)
    {
        Button& b = main.addButton(name);
        b.setBounds(bounds);
        b.setCaption(name);
        b.onClick = [this, name] { events.push_back(name + " click"); };
        b.onMouseDown = [this, name](const MouseEvent& e) { events.push_back(name + " down " + std::to_string(e.button)); };
        return b;
    }
};

TEST_F(FormsTest, ButtonsGetMouseDownThenClickAndRightClicksOnlyMouseDown)
{
    Button& bid = button("cmdBid", {10, 10, 60, 30});
    button("cmdHand", {70, 10, 120, 30});
    program->clickControl("frmZ", "cmdBid");
    program->rightClickControl("frmZ", "cmdHand");
    EXPECT_EQ(events, (std::vector<std::string>{"cmdBid down 1", "cmdBid click", "cmdHand down 2"}));

    events.clear();
    bid.setEnabled(false);
    program->clickControl("frmZ", "cmdBid");
    EXPECT_TRUE(events.empty()) << "a disabled button takes no clicks";
    bid.setEnabled(true);
    bid.setVisible(false);
    main.onClick = [this] { events.push_back("form click"); };
    program->clickControl("frmZ", "cmdBid");
    EXPECT_EQ(events, std::vector<std::string>{"form click"}) << "a hidden button lets the click through";
}

TEST_F(FormsTest, ClickGoesThroughTheCursorToWhateverWindowLiesOnTop)
{
    button("cmdEnd", {10, 10, 60, 30});
    Form& helper = program->createForm("frmScore");
    helper.setBounds({880, 0, 1000, 100});
    helper.setTopmost(true);
    EXPECT_FALSE(IsVisibleWithCaption(*program, helper.handle())) << "forms start hidden";
    helper.setVisible(true);
    helper.onClick = [this] { events.push_back("helper click"); };
    program->clickControl("frmZ", "cmdEnd");
    EXPECT_EQ(events, std::vector<std::string>{"helper click"});
}

TEST_F(FormsTest, MenusRunTheirHandlersAndKeepCheckMarks)
{
    MenuItem& capture = main.addMenu("menuCapture", "Capture");
    MenuItem& bid = capture.addItem("menuBid", "Bid");
    MenuItem& link = main.addMenu("menu_Link", "LINK").addItem("menuLink2", "Japanese page");
    bid.onClick = [&] { bid.setChecked(!bid.checked()); };
    link.onClick = [this] { events.push_back("link"); };
    EXPECT_TRUE(program->clickMenu("frmZ", "menuBid"));
    EXPECT_TRUE(program->menuChecked("frmZ", "menuBid"));
    link.setVisible(false);
    link.setEnabled(false);
    EXPECT_FALSE(program->clickMenu("frmZ", "menuLink2"));
    EXPECT_TRUE(events.empty());
    capture.setCaption("\xE3\x82\xAD\xE3\x83\xA3\xE3\x83\x97\xE3\x83\x81\xE3\x83\xA3");
    EXPECT_EQ(program->caption("frmZ", "menuCapture"), capture.caption());

    // The menu bar lies between the caption and the client area.
    Rect r;
    Point origin;
    program->windowRect(main.handle(), r);
    program->clientOrigin(main.handle(), origin);
    EXPECT_EQ(origin.y - r.top, 4 + 23 + 19);
}

TEST_F(FormsTest, FileListSelectsByRowAndReportsDoubleClicks)
{
    ListBox& list = main.addListBox("filBox");
    list.setBounds({10, 50, 150, 250});
    list.setItems({"03_14_1.spd", "03_14_2.spd", "03_14_3.spd"});
    int clicks = 0, doubles = 0;
    list.onClick = [&] { ++clicks; };
    list.onDoubleClick = [&] { ++doubles; };
    Point origin;
    program->clientOrigin(main.handle(), origin);
    const int row = TextHeight(list.font());
    desktop.setCursor({origin.x + 20, origin.y + 50 + row + 2});
    desktop.clickNow();
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{1});
    desktop.setCursor({origin.x + 20, origin.y + 50 + 2 * row + 2});
    desktop.clickNow(MouseButton::Left, true);
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{2});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);

    list.setMultiSelect(true);
    desktop.setCursor({origin.x + 20, origin.y + 50 + 2});
    desktop.clickNow();
    EXPECT_EQ(list.selectedIndexes(), (std::vector<int>{0, 2}));
    desktop.clickNow();
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{2}) << "a second click deselects";
    desktop.setCursor({origin.x + 20, origin.y + 240});
    desktop.clickNow();
    EXPECT_EQ(list.selectedIndexes(), std::vector<int>{2}) << "below the last item";

    list.removeItem(0);
    EXPECT_EQ(list.listIndex(), -1) << "the current item went away";
    list.setListIndex(1);
    list.removeItem(0);
    EXPECT_EQ(list.listIndex(), 0);
    EXPECT_EQ(list.items(), std::vector<std::string>{"03_14_3.spd"});
}

TEST_F(FormsTest, KeysReachTheFormAndEscPressesTheCancelButton)
{
    Button& end = button("cmdEnd", {10, 10, 60, 30});
    std::vector<KeyEvent> keys;
    main.onKeyDown = [&](const KeyEvent& k) { keys.push_back(k); };
    program->pressKey("frmZ", {Key::C, false, true, false});
    program->pressKey("frmZ", {Key::Escape});
    ASSERT_EQ(keys.size(), 2u);
    EXPECT_TRUE(keys[0].ctrl);
    EXPECT_EQ(keys[0].keyCode, 'C');
    EXPECT_TRUE(events.empty()) << "no cancel button yet";
    end.setCancel(true);
    program->pressKey("frmZ", {Key::Escape});
    EXPECT_EQ(events, std::vector<std::string>{"cmdEnd click"});
}

TEST_F(FormsTest, TextBoxReportsWhatTheUserTypesNotWhatTheProgramSets)
{
    TextBox& box = main.addTextBox("txtReason");
    box.setBounds({10, 10, 150, 30});
    int changes = 0;
    box.onChange = [&] { ++changes; };
    box.setText("Slow");
    EXPECT_EQ(changes, 0);
    dynamic_cast<VirtualTextBox&>(*program->findControl("frmZ", "txtReason")).type("Kid");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(box.text(), "Kid");
    EXPECT_EQ(program->caption("frmZ", "txtReason"), "Kid");
}

TEST_F(FormsTest, CloseAsksFirstThenUnloadsAndStopsTimers)
{
    bool allow = false;
    int unloads = 0, ticks = 0;
    main.onQueryClose = [&] { return allow; };
    main.onUnload = [&] { ++unloads; };
    Timer& timer = main.addTimer("Timer1");
    timer.onTimer = [&] { ++ticks; };
    timer.setInterval(500);
    timer.setEnabled(true);
    const WindowHandle w = main.handle();

    program->requestClose("frmZ");
    EXPECT_TRUE(main.loaded());
    allow = true;
    timer.onTimer = [&] {
        ++ticks;
        main.close(); // from inside the form's own timer
        EXPECT_FALSE(main.loaded()) << "the form object lives on until the loop is back on top";
    };
    desktop.runFor(600);
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(program->isWindow(w));
    EXPECT_EQ(program->findForm("frmZ"), nullptr);
    desktop.runFor(2000);
    EXPECT_EQ(ticks, 1);
}

TEST_F(FormsTest, StateChangesFromOutsideReachTheFormAndItsResizeEvent)
{
    int resizes = 0;
    main.onResize = [&] { ++resizes; };
    auto table = desktop.startProgram("SpadesTable");
    MinimizeWindow(*table, main.handle());
    EXPECT_EQ(main.windowState(), WindowState::Minimized);
    EXPECT_EQ(main.bounds().left, MinimizedPosition);
    EXPECT_EQ(resizes, 1);
    main.setWindowState(WindowState::Normal);
    Rect r;
    program->windowRect(main.handle(), r);
    EXPECT_EQ(r, (Rect{900, 0, 1280, 400}));
    EXPECT_EQ(resizes, 2);
    MakeTopmost(*table, main.handle());
    EXPECT_TRUE(main.topmost());
    main.setClientSize({200, 100});
    EXPECT_EQ(main.clientSize(), (Size{200, 100}));
    EXPECT_EQ(resizes, 3);
}

TEST_F(FormsTest, WhatTheFormDrawsIsWhatACaptureReads)
{
    main.setBackColor(Rgb(255, 255, 255));
    main.canvas().fillRect({20, 30, 40, 50}, Colors::Red);
    main.canvas().drawText({5, 60}, "Box OK", Font{"Arial", 10, true}, Colors::Blue);
    main.canvas().drawLine({0, 100}, {99, 100}, Rgb(0, 255, 0));
    PictureBox& remBox = main.addPicture("remBox");
    remBox.setBounds({150, 20, 190, 60});
    remBox.canvas().drawImage({0, 0}, Image(10, 10, Rgb(40, 0, 0)));
    Label& msg = main.addLabel("Msgbox");
    msg.setBounds({0, 200, 100, 220});
    msg.setCaption("four bids read");

    PixelBuffer pixels;
    CaptureGeometry panel;
    Rect rect;
    ASSERT_GT(CaptureWindow(*program, main.handle(), pixels, panel, rect, true), 0);
    EXPECT_EQ(PanelPixel(panel, pixels, 25, 35), uint16_t{0x7C00});
    EXPECT_EQ(PanelPixel(panel, pixels, 50, 100), uint16_t{0x03E0});
    EXPECT_EQ(PanelPixel(panel, pixels, 155, 25), uint16_t{0x1400});
    EXPECT_EQ(PanelPixel(panel, pixels, 10, 10), uint16_t{0x7FFF});
    EXPECT_EQ(program->drawnTexts("frmZ"), std::vector<std::string>{"Box OK"});
    EXPECT_EQ(program->caption("frmZ", "Msgbox"), "four bids read");
    main.canvas().fillRect({0, 55, 100, 80}, main.backColor());
    EXPECT_TRUE(program->drawnTexts("frmZ").empty()) << "filled over";
    const Image strip = remBox.canvas().readImage({5, 5, 15, 15});
    EXPECT_EQ(strip.at(4, 4), Rgb(40, 0, 0));
    EXPECT_EQ(strip.at(5, 5), Colors::ButtonFace);
}

} // namespace
} // namespace scorlet
