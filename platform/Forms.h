#pragma once
// The program's own windows and its event loop. One object per running program.
//
// A new form is hidden (visible() false) until the program shows it. Forms are owned here; a
// closed form stays a valid object (loaded() false) until the event loop is back at its top
// level, so a handler may still touch a form it has just closed.

#include "platform/Form.h"

#include <string>

namespace scorlet {

class Forms {
public:
    virtual ~Forms() = default;

    virtual Form& createForm(const std::string& name) = 0;
    virtual Form* findForm(const std::string& name) = 0; // loaded forms only

    // Runs the event loop until quit() is called; returns the code given to quit().
    virtual int run() = 0;
    // Makes run() return once the current event is handled. Waits do not end by themselves: a
    // wait that should end with the program passes quitting() as its stop condition.
    virtual void quit(int exitCode = 0) = 0;
    virtual bool quitting() const = 0;
};

} // namespace scorlet
