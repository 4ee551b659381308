#pragma once

#include "store/Status.h"

#include <filesystem>
#include <string_view>

namespace velmora::store {

// Replaces a file whole or not at all, so that a crash, a full disk or a second program writing
// the same file at the same moment leaves it old or new, never torn. The bytes go to a temporary
// file of this replacement's own beside the target, created afresh and never through a link; they
// reach the disk, the file takes the permission bits of the one it replaces, and only then does it
// take the target's name. A target that is a link is replaced by a regular file, not written
// through.
class AtomicFile {
public:
    static Status replace(const std::filesystem::path& target, std::string_view bytes);

    // The names one replacement of this process may use beside `target`, in the order it tries
    // them: a name where anything already stands is passed over.
    static constexpr int kAttempts = 16;
    static std::filesystem::path temporaryFor(const std::filesystem::path& target, int attempt);

    // Removes the temporary files and folders that programs which ended half way left in
    // `folder`, leaving alone those a running program is still writing. Every replacement does it
    // once per folder and process.
    static void removeLeftovers(const std::filesystem::path& folder);

    // Makes a folder's new and renamed entries reach the disk.
    static Status syncFolder(const std::filesystem::path& folder);
};

} // namespace velmora::store
