#pragma once

#include "store/base/Status.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace velmora::store {

// Replaces a file whole or not at all, so that a crash, a full disk or a second program writing
// the same file at the same moment leaves it old or new, never torn. The bytes go to a temporary
// file of this replacement's own beside the target, created afresh and never through a link; they
// reach the disk, the file takes the permission bits of the one it replaces, and only then does it
// take the target's name. A target that is a link to a file is replaced by a regular file, not
// written through; one that is no file at all (a folder, a pipe, a device) is left as it is.
class AtomicFile {
public:
    static Status replace(const std::filesystem::path& target, std::string_view bytes);

    // Whether `target` may be replaced: nothing stands there, or a regular file, or a link to one
    // (or to nothing). A folder, a pipe, a socket or a device, or a link to one, is refused.
    static Status checkTarget(const std::filesystem::path& target);

    // The names one replacement of this process may use beside `target`, in the order it tries
    // them: a name where anything already stands is passed over. The target's own name is cut
    // where it must be, so that any name the system takes still leaves room for the mark.
    static constexpr int kAttempts = 16;
    static constexpr std::size_t kNameLimit = 255;
    static std::filesystem::path temporaryFor(const std::filesystem::path& target, int attempt);

    // Removes the temporary files that programs which ended half way left in `folder`, leaving
    // alone those a running program is still writing. Only regular files go: never a folder, nor
    // a link, even when its name looks like ours. Every replacement does it once per folder and
    // process.
    static void removeLeftovers(const std::filesystem::path& folder);

    // Makes a folder's new and renamed entries reach the disk.
    static Status syncFolder(const std::filesystem::path& folder);
};

} // namespace velmora::store
