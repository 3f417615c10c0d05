#include "platform/virtual/VirtualControls.h"

#include "platform/virtual/TextRaster.h"
#include "platform/virtual/VirtualDesktop.h"
#include "platform/virtual/VirtualForm.h"

namespace scorlet {

bool VirtualListBox::clickRow(int y)
{
    const int row = y / TextHeight(font());
    if (y < 0 || row >= count())
        return false;
    std::vector<bool> selection(count(), false);
    if (multiSelect()) {
        for (int i = 0; i < count(); ++i)
            selection[i] = selected(i);
        selection[row] = !selection[row];
    } else {
        selection[row] = true;
    }
    storeSelection(std::move(selection), row);
    changed(Property::Selection);
    return true;
}

void VirtualPicture::changed(Property property)
{
    if (property == Property::Bounds)
        m_canvas.resize({bounds().width(), bounds().height()}, backColor());
    else if (property == Property::BackColor)
        m_canvas.clear(backColor());
}

VirtualTimer::VirtualTimer(std::string name, VirtualDesktop& desktop, VirtualForm& form, VirtualProgram* program)
    : Timer(std::move(name)), m_desktop(desktop), m_form(form), m_id(desktop.addTimer(program, [this] { tick(); }))
{
}

VirtualTimer::~VirtualTimer()
{
    m_desktop.removeTimer(m_id);
}

void VirtualTimer::apply()
{
    m_desktop.setTimer(m_id, static_cast<uint32_t>(interval()), enabled() && m_form.loaded());
}

MenuItem& VirtualMenuItem::addItem(const std::string& name, const std::string& caption)
{
    return adopt(std::make_unique<VirtualMenuItem>(name, caption));
}

} // namespace scorlet
