// Forced into the cross build of googletest (compiler flag -include): mingw-w64 with Win32
// threads has no std::mutex, which googletest's own Notification uses. This one waits on a
// Win32 event instead. It serves only googletest's threading internals.
#pragma once

#include <windows.h>

namespace testing::internal {

class Notification {
public:
    Notification() : m_event(CreateEventW(nullptr, TRUE, FALSE, nullptr)) { }
    ~Notification() { CloseHandle(m_event); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    void Notify() { SetEvent(m_event); }
    void WaitForNotification() { WaitForSingleObject(m_event, INFINITE); }

private:
    HANDLE m_event;
};

} // namespace testing::internal
