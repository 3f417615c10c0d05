#pragma once
#include "platform/Control.h"

#include <string>
#include <vector>

namespace scorlet {

// A list of text items (the work-file list), optionally with several items selected. onClick is
// raised when the user changes the selection, onDoubleClick on a double click of an item.
class ListBox : public Control {
public:
    using Control::Control;

    const std::vector<std::string>& items() const { return m_items; }
    void setItems(std::vector<std::string> items);
    void addItem(const std::string& item);
    void removeItem(int index);
    void clear() { setItems({}); }
    int count() const { return static_cast<int>(m_items.size()); }

    // Several items selected at once (extended selection). Turning it off keeps one item selected:
    // the current one if it was, else the first.
    bool multiSelect() const { return m_multiSelect; }
    void setMultiSelect(bool on);

    bool selected(int index) const;
    void setSelected(int index, bool on);
    std::vector<int> selectedIndexes() const;

    // The current item, -1 for none. Setting it selects that item alone.
    int listIndex() const { return m_listIndex; }
    void setListIndex(int index);

protected:
    // For platforms: the user changed the selection on screen.
    void storeSelection(std::vector<bool> selection, int listIndex);

private:
    bool validIndex(int index) const { return index >= 0 && index < count(); }

    std::vector<std::string> m_items;
    std::vector<bool> m_selected;
    bool m_multiSelect { false };
    int m_listIndex { -1 };
};

} // namespace scorlet
