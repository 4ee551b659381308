#pragma once

#include "store/base/Status.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::store {

// The study folder that a path read from the pointer file leads to. A study is a folder directly
// inside the installation folder in use (itself perhaps a link the user made); nothing a pointer
// says may lead the program to write anywhere else.
class StudyPath {
public:
    // The path as it stands when something is there and it lies directly inside the installation
    // folder. A path where nothing stands is taken by its last name inside the installation
    // folder, since that is where a study copied from another machine was put; so is a path of an
    // earlier Windows installation ("c:\program files\velmora\<name>", in any letter case, with
    // either slash) whatever stands there. A relative path lies inside the installation folder.
    // Nothing for any other path: the installation folder itself, one above it, one nested
    // deeper, one outside it, or a last name of "." or "..".
    static std::optional<std::filesystem::path> resolve(const std::filesystem::path& installation,
                                                        std::string_view text);

    // <name> of a path of an earlier Windows installation, or nothing for any other path.
    static std::optional<std::string> earlierWindowsStudy(std::string_view text);

    // Whether a text is one name that can stand for a study folder inside the installation
    // folder: not empty, no slash of either kind, not "." or "..".
    static bool isFolderName(std::string_view name);

    // Moves a study folder, within the installation folder or to and from its shelf; a failure
    // is told as what the program was doing (`doing`). A new name in the same folder that differs
    // from the old in letter case alone, which a system that ignores case takes for the same one
    // and would leave as it was, goes through a temporary name of its own.
    static Status moveFolder(const std::filesystem::path& from, const std::filesystem::path& to,
                             Error::Context doing);
};

} // namespace velmora::store
