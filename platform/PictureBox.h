#pragma once
#include "platform/Canvas.h"
#include "platform/Control.h"

namespace scorlet {

// A rectangle of pixels inside a form that the program draws on; mouse events carry coordinates
// relative to the picture's top-left corner.
class PictureBox : public Control {
public:
    using Control::Control;

    virtual Canvas& canvas() = 0;
};

} // namespace scorlet
