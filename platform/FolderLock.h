#pragma once
// A lock file that a program holds in its folder for the whole run, so that a second copy
// started in the same folder knows it is not alone. The lock belongs to the open file, not to
// the file's existence: the system drops it when the program ends in any way (a crash
// included), so a lock file left behind never blocks the next run.

#include <cstdint>
#include <filesystem>
#include <string>

namespace scorlet {

class FolderLock {
public:
    FolderLock() = default;
    ~FolderLock() { release(); }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;

    enum class Status {
        Taken,   // this lock holds it now (also when it already did)
        Busy,    // another holder has it: another process, or another lock in this one
        Failed,  // the file cannot be made or opened (a folder that is missing or read-only)
    };
    // Takes the lock file `name` in `folder`, creating it when missing.
    Status acquire(const std::filesystem::path& folder, const std::string& name);
    bool held() const { return m_handle != NoHandle; }
    void release();

    // The name of a program's lock file ("ScorletSut" -> "ScorletSut.lck").
    static std::string FileName(const std::string& programName) { return programName + ".lck"; }

private:
    // The open file: a descriptor on POSIX, a HANDLE on Windows (-1 is INVALID_HANDLE_VALUE).
    using Handle = std::intptr_t;
    static constexpr Handle NoHandle = -1;
    Handle m_handle { NoHandle };
};

} // namespace scorlet
