#pragma once
#include "platform/Control.h"

namespace scorlet {

// A line of static text; the caption is the text.
enum class Alignment { Left, Center, Right };

class Label : public Control {
public:
    using Control::Control;

    Alignment alignment() const { return m_alignment; }
    void setAlignment(Alignment alignment) { set(m_alignment, alignment, Property::Alignment); }

private:
    Alignment m_alignment { Alignment::Left };
};

} // namespace scorlet
