#include "platform/System.h"

#include "common/CodePage.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace scorlet {

namespace {

uint32_t Milliseconds(double seconds)
{
    if (!(seconds > 0))
        return 0;
    const double ms = std::round(seconds * 1000.0);
    return ms >= 4.0e9 ? 4000000000u : static_cast<uint32_t>(ms);
}

// How often a wait with a stop condition looks at it.
constexpr uint32_t StopCheckMs = 10;

// Handles events until more than `ms` milliseconds have passed since the start.
void WaitMilliseconds(Desktop& desktop, uint32_t ms, const std::function<bool()>& stopEarly)
{
    const uint32_t start = desktop.tickCount();
    desktop.processEvents();
    for (uint32_t elapsed = TicksSince(desktop, start); elapsed <= ms; elapsed = TicksSince(desktop, start)) {
        if (!stopEarly) {
            desktop.waitUntil(start + ms + 1);
            continue;
        }
        if (stopEarly())
            return;
        desktop.waitUntil(desktop.tickCount() + std::min(StopCheckMs, ms + 1 - elapsed));
    }
}

} // namespace

uint32_t TicksSince(Desktop& desktop, uint32_t since)
{
    return desktop.tickCount() - since;
}

void PlaySystemSound(Desktop& desktop, const std::string& soundName)
{
    if (!soundName.empty())
        desktop.playSound(soundName);
}

void AlertChime(Desktop& desktop)
{
    if (desktop.platformId() == PlatformId::Windows9x)
        desktop.beep();
    else
        PlaySystemSound(desktop, "SystemExclamation");
}

void WaitSeconds(Desktop& desktop, double seconds, const std::function<bool()>& stopEarly)
{
    WaitMilliseconds(desktop, Milliseconds(seconds), stopEarly);
}

void PauseWithEvents(Desktop& desktop, double seconds, const std::function<bool()>& stopEarly)
{
    WaitMilliseconds(desktop, Milliseconds(seconds), stopEarly);
}

bool GoToAppFolder(Desktop& desktop)
{
    const std::string folder = desktop.programFolder();
    if (folder.empty())
        return false;
    std::error_code error;
    std::filesystem::current_path(Utf8Path(folder), error);
    return !error;
}

std::filesystem::path ExecutableFolder(const char* argv0)
{
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        self = std::filesystem::absolute(argv0, error);
    return self.parent_path();
}

} // namespace scorlet
