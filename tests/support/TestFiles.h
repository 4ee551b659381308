#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::testing {

// Raw bytes on disk, files as the program stores them, study folders and the fixture folders
// under tests/data: one set of file helpers for the core, command-line and window tests.
class TestFiles {
public:
    static std::filesystem::path data(const std::filesystem::path& relative);

    // The file's bytes exactly as stored; an empty string for a missing file.
    static std::string bytes(const std::filesystem::path& file);
    static void put(const std::filesystem::path& file, std::string_view bytes);

    // The bytes the program stores for these UTF-8 lines: Windows-1253, each ended by CR LF.
    static std::string stored(const std::vector<std::string>& lines);
    static void putLines(const std::filesystem::path& file, const std::vector<std::string>& lines);
    // The lines of a value file as the program reads them back, each ended by CR LF; empty when
    // the file cannot be read.
    static std::string text(const std::filesystem::path& file);
    // The lines of a text whose lines end in CR LF; a last line without one is kept.
    static std::vector<std::string> lines(const std::string& text);

    // Copies the regular files of `from` into `to` (created when missing), replacing files of the
    // same name; `rename`, when given, names each copy from the original's name.
    static void copyFiles(const std::filesystem::path& from, const std::filesystem::path& to,
                          const std::function<std::string(const std::string&)>& rename = {});
    // ASCII letters in capitals, as a study folder copied from Windows may name its files.
    static std::string capitals(std::string name);

    // Creates the study folder `folderName` in the installation folder `home` holding the given
    // files (UTF-8 lines, written by the program's own writer) and makes it the current study.
    static std::filesystem::path
    makeStudy(const std::filesystem::path& home, const std::string& folderName,
              const std::map<std::string, std::vector<std::string>>& files = {});

    // When the files of `folder` were last written: all at one moment, then each of `later` a
    // minute after it. What is newer is decided without waiting on the clock.
    static void writtenInOrder(const std::filesystem::path& folder,
                               const std::vector<std::string>& later);

    // Makes every replacement of `target` by this process fail, even for an administrator: a
    // folder stands at each name its temporary file could take.
    static void blockReplacement(const std::filesystem::path& target);

    // Every file and folder under `folder`, by path relative to it, with its bytes (a folder
    // as "<folder>"); equal snapshots tell that an operation wrote nothing, not even a folder.
    static std::map<std::string, std::string> snapshot(const std::filesystem::path& folder);
    // The same for the regular files alone, where folders may come and go.
    static std::map<std::string, std::string> fileSnapshot(const std::filesystem::path& folder);

private:
    static std::map<std::string, std::string> listing(const std::filesystem::path& folder,
                                                      bool withFolders);
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
