#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace velmora::store {

// Reads a file whole, but only an ordinary file of bounded size: a pipe would wait forever, a
// device could pour out bytes without end, and neither is a file the program wrote.
class RegularFile {
public:
    enum class State { Read, Missing, NotRegular, TooLarge, Unreadable };
    struct Contents {
        State state;
        std::string bytes;
    };

    // Files of the program hold a few hundred bytes; a megabyte is far beyond any of them.
    static constexpr std::size_t kLimit = 1 << 20;

    static Contents read(const std::filesystem::path& file, std::size_t limit = kLimit);
};

} // namespace velmora::store
