#include "platform/MenuItem.h"

namespace scorlet {

MenuItem* MenuItem::find(const std::string& name)
{
    for (const auto& item : m_items) {
        if (item->name() == name)
            return item.get();
        if (MenuItem* inner = item->find(name))
            return inner;
    }
    return nullptr;
}

MenuItem& MenuItem::adopt(std::unique_ptr<MenuItem> item)
{
    m_items.push_back(std::move(item));
    return *m_items.back();
}

} // namespace scorlet
