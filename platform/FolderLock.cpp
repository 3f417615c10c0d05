#include "platform/FolderLock.h"

#include "common/CodePage.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include <utility>

namespace scorlet {

FolderLock::FolderLock(FolderLock&& other) noexcept : m_handle(std::exchange(other.m_handle, NoHandle)) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept
{
    if (this != &other) {
        release();
        m_handle = std::exchange(other.m_handle, NoHandle);
    }
    return *this;
}

#ifdef _WIN32

FolderLock::Status FolderLock::acquire(const std::filesystem::path& folder, const std::string& name)
{
    if (held())
        return Status::Taken;
    const std::filesystem::path path = folder / Utf8Path(name);
    // Share mode 0: while this handle is open no other open of the file succeeds. The system
    // closes the handle when the process ends.
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return GetLastError() == ERROR_SHARING_VIOLATION ? Status::Busy : Status::Failed;
    m_handle = reinterpret_cast<Handle>(handle);
    return Status::Taken;
}

void FolderLock::release()
{
    if (!held())
        return;
    CloseHandle(reinterpret_cast<HANDLE>(m_handle));
    m_handle = NoHandle;
}

#else

FolderLock::Status FolderLock::acquire(const std::filesystem::path& folder, const std::string& name)
{
    if (held())
        return Status::Taken;
    const std::filesystem::path path = folder / Utf8Path(name);
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return Status::Failed;
    // flock belongs to this open file: a second open, even in the same process, is refused.
    int locked;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Status::Busy : Status::Failed;
    }
    m_handle = fd;
    return Status::Taken;
}

void FolderLock::release()
{
    if (!held())
        return;
    ::close(static_cast<int>(m_handle));
    m_handle = NoHandle;
}

#endif

} // namespace scorlet
