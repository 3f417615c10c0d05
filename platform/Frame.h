#pragma once
#include "platform/Control.h"

namespace scorlet {

// A captioned group box drawn behind other controls; controls keep form coordinates.
class Frame : public Control {
public:
    using Control::Control;
};

} // namespace scorlet
