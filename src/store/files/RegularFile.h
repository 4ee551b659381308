#pragma once

#include "store/base/Result.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace velmora::store {

// Reads a file whole, but only an ordinary file of bounded size: a pipe would wait forever, a
// device could pour out bytes without end, and neither is a file the program wrote.
class RegularFile {
public:
    // Files of the program hold a few hundred bytes; a megabyte is far beyond any of them.
    static constexpr std::size_t kLimit = 1 << 20;

    // The bytes of the file; NotFound, NotRegularFile, TooLarge or NotReadable otherwise.
    static Result<std::string> read(const std::filesystem::path& file, std::size_t limit = kLimit);
};

} // namespace velmora::store
