#pragma once
// The controls of a virtual form. Most only hold their properties (the form draws them when its
// picture is asked for); pictures keep their own pixels, timers and menus talk to the desktop.

#include "platform/Form.h"
#include "platform/virtual/ImageCanvas.h"

namespace scorlet {

class VirtualDesktop;
class VirtualForm;
class VirtualProgram;

class VirtualButton : public Button {
public:
    using Button::Button;
};

class VirtualLabel : public Label {
public:
    using Label::Label;
};

class VirtualTextBox : public TextBox {
public:
    using TextBox::TextBox;
    // The user typed: the text changes and onChange is raised.
    void type(const std::string& text) { storeText(text); }
};

class VirtualFrame : public Frame {
public:
    using Frame::Frame;
};

class VirtualListBox : public ListBox {
public:
    using ListBox::ListBox;
    // The user clicked the row at `y` (control coordinates); false when no item is there.
    bool clickRow(int y);
};

class VirtualPicture : public PictureBox {
public:
    using PictureBox::PictureBox;
    Canvas& canvas() override { return m_canvas; }
    const ImageCanvas& imageCanvas() const { return m_canvas; }

protected:
    void changed(Property property) override;

private:
    ImageCanvas m_canvas;
};

class VirtualTimer : public Timer {
public:
    VirtualTimer(std::string name, VirtualDesktop& desktop, VirtualForm& form, VirtualProgram* program);
    ~VirtualTimer() override;
    // Re-applies interval and enabled state (the form was loaded or unloaded).
    void apply();

protected:
    void changed() override { apply(); }

private:
    VirtualDesktop& m_desktop;
    VirtualForm& m_form;
    int m_id;
};

class VirtualMenuItem : public MenuItem {
public:
    using MenuItem::MenuItem;
    MenuItem& addItem(const std::string& name, const std::string& caption) override;
};

} // namespace scorlet
