#pragma once
#include "platform/Control.h"

namespace scorlet {

// A push button. The cancel button of a form is pressed by Esc.
class Button : public Control {
public:
    using Control::Control;

    bool isCancel() const { return m_cancel; }
    void setCancel(bool cancel) { set(m_cancel, cancel, Property::Cancel); }

private:
    bool m_cancel { false };
};

} // namespace scorlet
