// The companion as one program: its context, its main window, start-up and the main loop.
#pragma once

#include <functional>
#include <string>

#include "companion/main/App.h"

namespace scorlet::companion {

class Companion {
 public:
  Companion(Desktop& desktop, Forms& forms) : m_app(desktop, forms) {}

  // Makes the main window and runs start-up; false when start-up ended the program (stop
  // mode has then run its course).
  bool Start();
  // Runs the event loop until the program ends; returns its exit code.
  int Run();

  App& app() { return m_app; }

 private:
  App m_app;
};

}  // namespace scorlet::companion
