// The probe's own forms as the programs build them: placed right on the first request, frames that
// lie under the controls they surround, coloured buttons, and a list that changes selection mode.
#include <windows.h>

#include "platform/Capture.h"
#include "platform/System.h"
#include "platform/Window.h"
#include "tests/wine/WineProbe.h"

#include <gtest/gtest.h>

#include <optional>

namespace scorlet::wine {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(window))); }

struct ClientPixels {
    PixelBuffer pixels;
    CaptureGeometry record;
    std::optional<uint16_t> at(int x, int y) const { return PanelPixel(record, pixels, x, y); }
    int count(const Rect& area, uint16_t value) const
    {
        int n = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x)
                n += at(x, y) == value;
        return n;
    }
};

ClientPixels TakeClient(WindowHandle window)
{
    ClientPixels c;
    Rect rect;
    CaptureWindow(TheProbe().desktop, window, c.pixels, c.record, rect, true);
    return c;
}

HWND ChildAt(const Form& form, const Control& control)
{
    const Rect& b = control.bounds();
    return ChildWindowFromPointEx(ToHwnd(form.handle()), POINT {b.left + 1, b.top + 1}, CWP_SKIPINVISIBLE);
}

Form& MakeForm(const std::string& name, const Rect& bounds, Color back)
{
    Form& form = TheProbe().forms.createForm(name);
    form.setCaption("Scorlet Wine " + name);
    form.setBackColor(back);
    form.setBounds(bounds);
    return form;
}

void ShowOnTop(Form& form)
{
    form.setVisible(true);
    form.setTopmost(true);
    PauseWithEvents(TheProbe().desktop, 0.3);
}

// The first placement of a new form holds, whatever was set before it; a client size asked for
// before any placement holds too, menu bar included.
TEST(WineFormPlacement, FirstBoundsAndClientSizeHold)
{
    Desktop& desktop = TheProbe().desktop;
    Form& sizable = TheProbe().forms.createForm("frmPlaceSizable");
    sizable.setCaption("Scorlet Wine Sizable");
    sizable.setBorderStyle(BorderStyle::Sizable);
    const Rect target {100, 120, 500, 420};
    sizable.setBounds(target);
    Rect r;
    desktop.windowRect(sizable.handle(), r);
    EXPECT_EQ(r, target) << "a border style set first does not undo the placement";
    EXPECT_EQ(sizable.bounds(), target);
    sizable.setVisible(true);
    PauseWithEvents(desktop, 0.1);
    desktop.windowRect(sizable.handle(), r);
    EXPECT_EQ(r, target);

    Form& client = TheProbe().forms.createForm("frmPlaceClient");
    client.setCaption("Scorlet Wine Client");
    client.setBorderStyle(BorderStyle::Sizable);
    client.addMenu("menuA", "&Capture");
    client.addMenu("menuB", "Sound &alert");
    client.setClientSize({360, 250});
    EXPECT_EQ(client.clientSize(), (Size {360, 250})) << "asked before any placement";
    client.setVisible(true);
    PauseWithEvents(desktop, 0.1);
    Rect inside;
    desktop.clientRect(client.handle(), inside);
    EXPECT_EQ(inside, (Rect {0, 0, 360, 250}));

    // A menu bar too wide for one line wraps; the client size still holds.
    for (int i = 0; i < 8; ++i)
        client.addMenu("menuWide" + std::to_string(i), "Wide menu " + std::to_string(i));
    client.setClientSize({200, 150});
    EXPECT_EQ(client.clientSize(), (Size {200, 150}));
    sizable.close();
    client.close();
}

// A frame shows the form's back colour and drawings inside its outline and lies under every other
// control, also those made after it.
TEST(WineFormLook, FramesLieUnderControlsAndShowTheFormThrough)
{
    const Color back = Rgb(40, 0, 0);
    Form& form = MakeForm("frmFrames", {40, 300, 340, 520}, back);
    form.setClientSize({260, 160});
    Button& before = form.addButton("cmdBefore");
    before.setBounds({20, 30, 90, 55});
    before.setCaption("Before");
    Frame& frame = form.addFrame("fraBox");
    frame.setBounds({10, 10, 250, 150});
    frame.setCaption("   capture");
    frame.setBackColor(back);
    Button& after = form.addButton("cmdAfter");
    after.setBounds({100, 30, 170, 55});
    after.setCaption("After");
    Label& label = form.addLabel("lblAfter");
    label.setBounds({20, 70, 120, 90});
    label.setCaption("Label");
    label.setBackColor(Colors::White);
    form.canvas().fillRect({180, 100, 200, 120}, Colors::Red);
    ShowOnTop(form);

    EXPECT_EQ(ChildAt(form, after), FindWindowExA(ToHwnd(form.handle()), nullptr, "Button", "After"));
    EXPECT_EQ(ChildAt(form, label), FindWindowExA(ToHwnd(form.handle()), nullptr, "Static", "Label"));
    HWND frameWindow = FindWindowExA(ToHwnd(form.handle()), nullptr, "ScorletFrame", "   capture");
    ASSERT_NE(frameWindow, nullptr);
    EXPECT_EQ(GetWindow(frameWindow, GW_HWNDNEXT), nullptr) << "the frame is the lowest child";

    const ClientPixels c = TakeClient(form.handle());
    EXPECT_EQ(c.at(30, 110), To555(back)) << "inside the outline: the form's back colour";
    EXPECT_EQ(c.at(190, 110), To555(Colors::Red)) << "drawings on the form show through";
    EXPECT_GT(c.count({20, 70, 120, 90}, To555(Colors::White)), 1000) << "a label made after the frame shows";
    EXPECT_EQ(c.count({102, 32, 168, 53}, To555(back)), 0) << "a button made after the frame shows";
    EXPECT_GT(c.count({10, 10, 250, 150}, 0), 0) << "the outline or the caption leaves dark ink";

    // Drawing on the form later shows inside the frame too.
    form.canvas().fillRect({200, 100, 220, 120}, Colors::Blue);
    PauseWithEvents(TheProbe().desktop, 0.2);
    EXPECT_EQ(TakeClient(form.handle()).at(210, 110), To555(Colors::Blue));
    form.close();
}

// Back and fore colours of a button show: the orange of an armed capture button is seen.
TEST(WineFormLook, ButtonsShowTheirColours)
{
    Form& form = MakeForm("frmButtons", {360, 300, 660, 460}, Colors::White);
    form.setClientSize({240, 100});
    const Color orange = Rgb(255, 128, 0);
    Button& armed = form.addButton("cmdBid");
    armed.setBounds({10, 10, 110, 40});
    armed.setCaption("Bid");
    armed.setBackColor(orange);
    armed.setForeColor(Colors::Blue);
    int clicks = 0;
    armed.onClick = [&] { ++clicks; };
    Button& plain = form.addButton("cmdHand");
    plain.setBounds({120, 10, 220, 40});
    plain.setCaption("Hand");
    ShowOnTop(form);

    ClientPixels c = TakeClient(form.handle());
    EXPECT_GT(c.count({10, 10, 110, 40}, To555(orange)), 1500) << "the face is orange";
    EXPECT_GT(c.count({10, 10, 110, 40}, To555(Colors::Blue)), 10) << "the caption is blue";
    EXPECT_GT(c.count({120, 10, 220, 40}, To555(Colors::ButtonFace)), 1500) << "a plain button keeps the face colour";

    armed.setBackColor(Colors::ButtonFace);
    PauseWithEvents(TheProbe().desktop, 0.2);
    c = TakeClient(form.handle());
    EXPECT_EQ(c.count({10, 10, 110, 40}, To555(orange)), 0) << "disarmed";
    armed.setEnabled(false);
    PauseWithEvents(TheProbe().desktop, 0.2);
    EXPECT_EQ(TakeClient(form.handle()).count({10, 10, 110, 40}, To555(Colors::Blue)), 0)
        << "a disabled button's caption is greyed";
    armed.setEnabled(true);

    // Still a button: two quick clicks are two presses.
    Point origin;
    Desktop& desktop = TheProbe().desktop;
    desktop.clientOrigin(form.handle(), origin);
    desktop.setCursorPos({origin.x + 60, origin.y + 25});
    desktop.leftClick();
    desktop.leftClick();
    PauseWithEvents(desktop, 0.4);
    EXPECT_EQ(clicks, 2);
    armed.onClick = nullptr;
    form.close();
}

// Switching the selection mode of a shown list takes effect on the screen at once.
TEST(WineFormLook, ListSwitchesSelectionModeOnTheScreen)
{
    Form& form = MakeForm("frmList", {680, 300, 900, 460}, Colors::White);
    ListBox& list = form.addListBox("filBox");
    list.setBounds({10, 10, 150, 100});
    list.setItems({"a.spd", "b.spd", "c.spd"});
    list.setToolTip("Work files");
    ShowOnTop(form);
    HWND single = FindWindowExA(ToHwnd(form.handle()), nullptr, "ListBox", nullptr);
    ASSERT_NE(single, nullptr);
    EXPECT_EQ(GetWindowLongA(single, GWL_STYLE) & LBS_EXTENDEDSEL, 0);

    list.setMultiSelect(true);
    HWND multi = FindWindowExA(ToHwnd(form.handle()), nullptr, "ListBox", nullptr);
    ASSERT_NE(multi, nullptr);
    EXPECT_NE(GetWindowLongA(multi, GWL_STYLE) & LBS_EXTENDEDSEL, 0);
    EXPECT_EQ(SendMessageA(multi, LB_GETCOUNT, 0, 0), 3) << "the items come along";
    list.setSelected(0, true);
    list.setSelected(2, true);
    EXPECT_GT(SendMessageA(multi, LB_GETSEL, 0, 0), 0);
    EXPECT_GT(SendMessageA(multi, LB_GETSEL, 2, 0), 0);

    list.setMultiSelect(false);
    EXPECT_EQ(list.selectedIndexes(), (std::vector<int> {2})) << "one item stays selected: the current one";
    HWND back = FindWindowExA(ToHwnd(form.handle()), nullptr, "ListBox", nullptr);
    EXPECT_EQ(GetWindowLongA(back, GWL_STYLE) & LBS_EXTENDEDSEL, 0);
    EXPECT_EQ(SendMessageA(back, LB_GETCURSEL, 0, 0), 2);
    form.close();
}

} // namespace
} // namespace scorlet::wine
