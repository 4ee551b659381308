#pragma once

#include "store/Status.h"

#include <filesystem>
#include <string_view>

namespace velmora::store {

// Holds a list of the installation folder for one program while it reads and rewrites it, so
// that two programs appending at the same moment (two windows, or two machines on one shared
// folder) both land. The lock lives in a file beside the list, which stays there.
class FileLock {
public:
    // Waits a few seconds at most for a program that holds the list.
    static constexpr int kWaitMilliseconds = 10000;

    FileLock(const std::filesystem::path& folder, std::string_view listName);
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
