#pragma once

#include "store/base/Status.h"

#include <filesystem>
#include <string_view>

namespace velmora::store {

// Holds a list of the installation folder for one program while it reads and rewrites it, so
// that two programs appending at the same moment (two windows, or two machines on one shared
// folder) both land; and a study's report for the calculation that writes it against those
// that read it. The lock lives in a file beside what it holds, which stays there. The system lets
// it go when its program ends, however it ends, so a program that died never blocks another.
class FileLock {
public:
    // Waits a few seconds at most for a program that holds the list.
    static constexpr int kWaitMilliseconds = 10000;

    enum class Mode {
        // One program at a time; the lock file is created when missing.
        Exclusive,
        // Any number of readers at once, none while an exclusive holder writes. A reader never
        // writes, so it takes the lock only where its file already is; without one the status
        // says NotFound.
        Shared,
    };

    FileLock(const std::filesystem::path& folder, std::string_view listName,
             Mode mode = Mode::Exclusive);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Success once the list is held; otherwise why not.
    const Status& status() const { return status_; }

    static std::filesystem::path lockFileFor(const std::filesystem::path& folder,
                                             std::string_view listName);

private:
    Status status_;
#ifdef _WIN32
    void* handle_ = nullptr;
#else
    int fd_ = -1;
#endif
};

} // namespace velmora::store
