#pragma once

#include "store/Status.h"

#include <filesystem>
#include <string_view>

namespace velmora::store {

// Replaces a file whole or not at all: the bytes go to a temporary file in the same folder, which
// is then renamed over the target. A failed write leaves the old file as it was.
class AtomicFile {
public:
    static Status replace(const std::filesystem::path& target, std::string_view bytes);

    // The temporary file that `replace` writes beside `target`.
    static std::filesystem::path temporaryFor(const std::filesystem::path& target);
};

} // namespace velmora::store
