#include "platform/Form.h"

namespace scorlet {

Control* Form::control(const std::string& name) const
{
    for (const auto& c : m_controls)
        if (c->name() == name)
            return c.get();
    return nullptr;
}

Timer* Form::timer(const std::string& name) const
{
    for (const auto& t : m_timers)
        if (t->name() == name)
            return t.get();
    return nullptr;
}

MenuItem* Form::menu(const std::string& name) const
{
    for (const auto& m : m_menus) {
        if (m->name() == name)
            return m.get();
        if (MenuItem* inner = m->find(name))
            return inner;
    }
    return nullptr;
}

Timer& Form::adoptTimer(std::unique_ptr<Timer> timer)
{
    m_timers.push_back(std::move(timer));
    return *m_timers.back();
}

MenuItem& Form::adoptMenu(std::unique_ptr<MenuItem> menu)
{
    m_menus.push_back(std::move(menu));
    return *m_menus.back();
}

} // namespace scorlet
