#pragma once
// Shared by the probe's test files: the probe's own desktop and forms, and the log of the window
// program (another process) that records what it received.

#include "platform/Desktop.h"
#include "platform/Forms.h"

#include <string>
#include <vector>

namespace scorlet::wine {

struct Probe {
    Desktop& desktop;
    Forms& forms;
    std::string logPath;
};
Probe& TheProbe();

// The helpers of the Desktop contract (whose header a test binary includes only once).
WindowHandle FindByTitle(Desktop& desktop, const std::string& title);
Point FrameOffset(Desktop& desktop, WindowHandle window);

std::vector<std::string> LogLines();
bool LogHas(const std::string& line);
// Handles events until the log holds the line, or the time is up.
bool WaitForLog(const std::string& line, double seconds);

} // namespace scorlet::wine
