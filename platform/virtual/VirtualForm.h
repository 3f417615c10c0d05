#pragma once
// A form of a program on the virtual desktop: a window of the desktop whose client area shows the
// form's own drawing surface with the controls drawn over it.

#include "platform/Form.h"
#include "platform/virtual/ImageCanvas.h"

namespace scorlet {

class VirtualDesktop;
class VirtualProgram;

class VirtualForm : public Form {
public:
    VirtualForm(VirtualProgram& program, VirtualDesktop& desktop, std::string name);
    ~VirtualForm() override;

    WindowHandle handle() const override { return m_handle; }
    Size clientSize() const override;
    void setClientSize(Size size) override;

    Button& addButton(const std::string& name) override;
    Label& addLabel(const std::string& name) override;
    ListBox& addListBox(const std::string& name) override;
    TextBox& addTextBox(const std::string& name) override;
    Frame& addFrame(const std::string& name) override;
    PictureBox& addPicture(const std::string& name) override;
    Timer& addTimer(const std::string& name) override;
    MenuItem& addMenu(const std::string& name, const std::string& caption) override;

    Canvas& canvas() override { return m_canvas; }
    const ImageCanvas& imageCanvas() const { return m_canvas; }
    void close() override;
    bool loaded() const override { return m_loaded; }

    // The client area as it shows: the drawing surface with the visible controls over it.
    Image render() const;
    // A mouse event in client coordinates, from the desktop.
    void mouse(const MouseEvent& event, bool doubleClick);
    void key(const KeyEvent& event);

protected:
    void changed(Property property) override;

private:
    void syncFromWindow();
    void applyFrame();
    void applyStyleBit(uint32_t bit, bool on);
    Control* controlAt(Point client) const;

    VirtualProgram& m_program;
    VirtualDesktop& m_desktop;
    WindowHandle m_handle { 0 };
    ImageCanvas m_canvas;
    bool m_loaded { true };
    bool m_syncing { false };
    bool m_closing { false };
    Size m_lastClientSize;
    WindowState m_lastState { WindowState::Normal };
};

} // namespace scorlet
