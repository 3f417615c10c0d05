#pragma once
// Sounds, waits and the program folder.

#include "platform/Desktop.h"

#include <filesystem>
#include <functional>
#include <string>

namespace scorlet {

// Nothing for an empty name; else the system sound of that alias, asynchronously, no default.
void PlaySystemSound(Desktop& desktop, const std::string& soundName);
// A plain beep on the 9x platform, otherwise the "SystemExclamation" sound.
void AlertChime(Desktop& desktop);

// Keep processing window events until the given time has passed on the tick count (safe across
// the wrap of the 32-bit count). `stopEarly`, when given, is checked after events have been
// handled and ends the wait at once when true (a program that was told to quit).
void WaitSeconds(Desktop& desktop, double seconds, const std::function<bool()>& stopEarly = {});
void PauseWithEvents(Desktop& desktop, double seconds, const std::function<bool()>& stopEarly = {});

// Milliseconds from `since` to now on the tick count (correct across its wrap).
uint32_t TicksSince(Desktop& desktop, uint32_t since);

// Makes the program's folder the current directory; false when that fails.
bool GoToAppFolder(Desktop& desktop);

// The folder of the running executable, for the Linux programs: the target of /proc/self/exe,
// or else the folder of argv0 made absolute.
std::filesystem::path ExecutableFolder(const char* argv0);

} // namespace scorlet
