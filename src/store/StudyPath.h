#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::store {

// The study folder that a path read from the pointer file leads to.
class StudyPath {
public:
    // The path as it stands when that folder exists. Otherwise a path of the older program
    // ("c:\program files\velmora\<name>", in any letter case, with either slash) names <name>
    // inside the installation folder in use, since that is where its folder was copied; a
    // relative path is taken inside the installation folder too.
    static std::filesystem::path resolve(const std::filesystem::path& installation,
                                         std::string_view text);

    // <name> of a path of the older program, or nothing for any other path.
    static std::optional<std::string> oldProgramStudy(std::string_view text);
};

} // namespace velmora::store
