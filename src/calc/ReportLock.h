#pragma once

#include "store/base/Result.h"
#include "store/files/FileLock.h"

#include <filesystem>

namespace velmora::calc {

// Keeps a study's report one calculation's: the calculation holds the study alone while it
// writes the twelve sections, and the readers of the report hold it together while they read
// them. The lock is a file in the study folder, as the lists' lock is in the installation folder,
// so it holds between machines on a shared folder too.
class ReportLock {
public:
    static store::FileLock forWriting(const std::filesystem::path& study);
    // Only where a calculation has made the lock file: a reader writes nothing.
    static store::FileLock forReading(const std::filesystem::path& study);

    // Why the lock was not had, told of the study rather than of its lock file.
    static store::Error problem(const std::filesystem::path& study, const store::Error& why);
};

} // namespace velmora::calc
