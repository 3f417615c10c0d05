#include "platform/ListBox.h"

namespace scorlet {

void ListBox::setItems(std::vector<std::string> items)
{
    m_items = std::move(items);
    m_selected.assign(m_items.size(), false);
    m_listIndex = -1;
    changed(Property::Items);
}

void ListBox::addItem(const std::string& item)
{
    m_items.push_back(item);
    m_selected.push_back(false);
    changed(Property::Items);
}

void ListBox::removeItem(int index)
{
    if (!validIndex(index))
        return;
    m_items.erase(m_items.begin() + index);
    m_selected.erase(m_selected.begin() + index);
    if (m_listIndex == index)
        m_listIndex = -1;
    else if (m_listIndex > index)
        --m_listIndex;
    changed(Property::Items);
}

void ListBox::setMultiSelect(bool on)
{
    if (m_multiSelect == on)
        return;
    m_multiSelect = on;
    if (!on) {
        const std::vector<int> chosen = selectedIndexes();
        const bool keepCurrent = selected(m_listIndex);
        m_selected.assign(m_items.size(), false);
        if (!chosen.empty()) {
            m_listIndex = keepCurrent ? m_listIndex : chosen.front();
            m_selected[m_listIndex] = true;
        }
    }
    changed(Property::Selection);
}

bool ListBox::selected(int index) const
{
    return validIndex(index) && m_selected[index];
}

void ListBox::setSelected(int index, bool on)
{
    if (!validIndex(index) || m_selected[index] == on)
        return;
    if (on && !m_multiSelect)
        m_selected.assign(m_items.size(), false);
    m_selected[index] = on;
    if (on)
        m_listIndex = index;
    changed(Property::Selection);
}

std::vector<int> ListBox::selectedIndexes() const
{
    std::vector<int> indexes;
    for (int i = 0; i < count(); ++i)
        if (m_selected[i])
            indexes.push_back(i);
    return indexes;
}

void ListBox::setListIndex(int index)
{
    if (!validIndex(index))
        index = -1;
    m_selected.assign(m_items.size(), false);
    if (index >= 0)
        m_selected[index] = true;
    m_listIndex = index;
    changed(Property::Selection);
}

void ListBox::storeSelection(std::vector<bool> selection, int listIndex)
{
    selection.resize(m_items.size(), false);
    m_selected = std::move(selection);
    m_listIndex = validIndex(listIndex) ? listIndex : -1;
}

} // namespace scorlet
