#pragma once

#include "store/base/Result.h"
#include "store/base/Status.h"

#include <filesystem>
#include <optional>
#include <string>

namespace velmora::store {

// The installation folder: the pointer to the current study, the default coefficient λ, the list
// of studies and the engineer registry, with one sub-folder per study.
class Installation {
public:
    // VELMORA_HOME when set, else the platform's place for the program's data: elsewhere than on
    // Windows $XDG_DATA_HOME/velmora, or ~/.local/share/velmora when that is not set or is not an
    // absolute path. Without a home folder to go by the folder is unknown, and the program says
    // so rather than use the folder it happens to be started in.
    static Result<std::filesystem::path> defaultFolder();
    static Result<std::filesystem::path>
    folder(const std::optional<std::filesystem::path>& override);

    // Creates the folder and, where missing, the empty list of studies, the empty registry and a
    // default λ of 1, so that a fresh machine needs no manual step.
    static Status prepare(const std::filesystem::path& folder);

    // The current study as the pointer file names it; a relative path lies inside the
    // installation folder. A pointer that leads anywhere but to a folder directly inside it is
    // refused, so that no study data is ever written elsewhere. The error of a study that is
    // named but not there carries its folder.
    static Result<std::filesystem::path> currentStudy(const std::filesystem::path& installation);

    // Points the pointer file at a study folder.
    static Status setCurrentStudy(const std::filesystem::path& installation,
                                  const std::filesystem::path& study);
};

} // namespace velmora::store
