#pragma once
#include "platform/Control.h"
#include <functional>
#include <string>
namespace scorlet {
// A one-line box the user types into; the caption is the text.
class TextBox : public Control {
public:
    using Control::Control;
    const std::string& text() const { return caption(); }
    void setText(const std::string& text) { setCaption(text); }
    // The user changed the text (not raised when the program sets it).
    std::function<void()> onChange;
protected:
    // For platforms: the user typed, the screen already shows the text.
    void storeText(const std::string& text)
    {
        storeCaption(text);
        if (onChange)
            onChange();
    }
};
} // namespace scorlet
