#pragma once

#include <filesystem>
#include <string_view>

namespace velmora::store {

// Finds a file of a folder by name the way the program has always named its files: letter case
// does not matter and trailing blanks of the asked-for name are ignored, so a folder copied from
// a Windows machine ("STOIXEIA.DAT", "L.dat") is read, and rewritten in place.
class FileName {
public:
    // The path of the existing entry of `folder` that matches `name`; when none does, the folder
    // joined with `name` as given (trailing blanks dropped), which is where a new file goes.
    static std::filesystem::path resolve(const std::filesystem::path& folder,
                                         std::string_view name);

    static bool sameName(std::string_view a, std::string_view b);

    // A character that Windows allows in no file or folder name: a control character or one of
    // \ / : * ? " < > |. Study folders and files travel between machines, so none is made here.
    static constexpr bool refusedOnWindows(char32_t c) {
        return c < 0x20 || std::u32string_view(U"\\/:*?\"<>|").find(c) != std::u32string_view::npos;
    }
};

} // namespace velmora::store
