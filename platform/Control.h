#pragma once
// What every control of a form has: a name, a caption, a place, visibility, enabled state, a font,
// colours, a tooltip and the mouse events. The values live here; a platform learns of a change
// through changed() and puts it on the screen.

#include "platform/Types.h"

#include <functional>
#include <string>

namespace scorlet {

enum class Property {
    Caption,
    Bounds,
    Visible,
    Enabled,
    Font,
    ForeColor,
    BackColor,
    ToolTip,
    Checked,
    Items,
    Selection,
    Interval,
    Topmost,
    WindowState,
    Cancel,
    BorderStyle,
    Alignment,
};

class Control {
public:
    explicit Control(std::string name) : m_name(std::move(name)) {}
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    const std::string& name() const { return m_name; }

    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption) { set(m_caption, caption, Property::Caption); }

    // In the form's client coordinates (for a form: its screen rectangle, frame included).
    const Rect& bounds() const { return m_bounds; }
    void setBounds(const Rect& bounds) { set(m_bounds, bounds, Property::Bounds); }
    void move(int x, int y) { setBounds(m_bounds.movedTo(x, y)); }

    bool visible() const { return m_visible; }
    void setVisible(bool visible) { set(m_visible, visible, Property::Visible); }

    bool enabled() const { return m_enabled; }
    void setEnabled(bool enabled) { set(m_enabled, enabled, Property::Enabled); }

    const Font& font() const { return m_font; }
    void setFont(const Font& font) { set(m_font, font, Property::Font); }
    void setFontBold(bool bold) { Font f = m_font; f.bold = bold; setFont(f); }
    void setFontSize(int size) { Font f = m_font; f.size = size; setFont(f); }
    void setFontName(const std::string& name) { Font f = m_font; f.name = name; setFont(f); }

    Color foreColor() const { return m_foreColor; }
    void setForeColor(Color color) { set(m_foreColor, color, Property::ForeColor); }

    Color backColor() const { return m_backColor; }
    void setBackColor(Color color) { set(m_backColor, color, Property::BackColor); }

    const std::string& toolTip() const { return m_toolTip; }
    void setToolTip(const std::string& text) { set(m_toolTip, text, Property::ToolTip); }

    // Events. A left click raises onMouseDown then onClick; other buttons only onMouseDown.
    std::function<void()> onClick;
    std::function<void()> onDoubleClick;
    std::function<void(const MouseEvent&)> onMouseDown;

protected:
    // Called after a property has taken its new value (not when it was set to the same value).
    virtual void changed(Property) {}

    // For platforms whose user can change a property (a form dragged, resized): store the value
    // the screen already shows without calling changed().
    void storeBounds(const Rect& bounds) { m_bounds = bounds; }
    void storeVisible(bool visible) { m_visible = visible; }
    void storeCaption(const std::string& caption) { m_caption = caption; }

    template <class T>
    void set(T& member, const T& value, Property property)
    {
        if (member == value)
            return;
        member = value;
        changed(property);
    }

private:
    std::string m_name;
    std::string m_caption;
    Rect m_bounds;
    bool m_visible { true };
    bool m_enabled { true };
    Font m_font;
    Color m_foreColor { Colors::Black };
    Color m_backColor { Colors::ButtonFace };
    std::string m_toolTip;
};

} // namespace scorlet
