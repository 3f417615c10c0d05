#pragma once
// A menu of the form's menu bar, or an item of it; items can have items of their own.

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace scorlet {

class MenuItem {
public:
    explicit MenuItem(std::string name, std::string caption) : m_name(std::move(name)), m_caption(std::move(caption)) {}
    virtual ~MenuItem() = default;
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    const std::string& name() const { return m_name; }

    const std::string& caption() const { return m_caption; }
    void setCaption(const std::string& caption) { if (caption != m_caption) { m_caption = caption; changed(); } }

    bool checked() const { return m_checked; }
    void setChecked(bool on) { if (on != m_checked) { m_checked = on; changed(); } }

    bool enabled() const { return m_enabled; }
    void setEnabled(bool on) { if (on != m_enabled) { m_enabled = on; changed(); } }

    bool visible() const { return m_visible; }
    void setVisible(bool on) { if (on != m_visible) { m_visible = on; changed(); } }

    virtual MenuItem& addItem(const std::string& name, const std::string& caption) = 0;
    const std::vector<std::unique_ptr<MenuItem>>& items() const { return m_items; }
    MenuItem* find(const std::string& name);

    std::function<void()> onClick;

protected:
    virtual void changed() {}
    MenuItem& adopt(std::unique_ptr<MenuItem> item);

private:
    std::string m_name;
    std::string m_caption;
    bool m_checked { false };
    bool m_enabled { true };
    bool m_visible { true };
    std::vector<std::unique_ptr<MenuItem>> m_items;
};

} // namespace scorlet
