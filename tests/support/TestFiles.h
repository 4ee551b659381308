#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <string_view>

namespace velmora::testing {

// Raw bytes on disk and the fixture folders under tests/data.
class TestFiles {
public:
    static std::filesystem::path data(const std::filesystem::path& relative);

    // The file's bytes exactly as stored; an empty string for a missing file.
    static std::string bytes(const std::filesystem::path& file);
    static void put(const std::filesystem::path& file, std::string_view bytes);

    // Copies the regular files of `from` into `to` (created when missing).
    static void copyFiles(const std::filesystem::path& from, const std::filesystem::path& to);

    // Makes every replacement of `target` by this process fail, even for an administrator: a
    // folder stands at each name its temporary file could take.
    static void blockReplacement(const std::filesystem::path& target);

    // Every file under `folder`, by path relative to it, with its bytes; a way to tell that an
    // operation wrote nothing.
    static std::map<std::string, std::string> snapshot(const std::filesystem::path& folder);
};

} // namespace velmora::testing

#include <ostream>

namespace velmora::testing {

// Test tables carry a name; printing a case as its name keeps the listed test names readable.
// A test file brings it in with `using velmora::testing::PrintTo;`.
template <class Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

} // namespace velmora::testing
