#pragma once

#include "store/base/Status.h"
#include "store/study/StudyDetails.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace velmora::store {

// Turns the details into a new study: prepares its folder with its first files under a temporary
// name, puts it in place, lists it and makes it the current study. What can be told in advance is
// checked first; a failure later on undoes the steps before it, so a study exists whole or not at
// all and the same details can be tried again.
class StudyCreation {
public:
    struct Outcome {
        Status status;
        std::filesystem::path folder;
    };

    // Whether the study can be created; refused, naming what to change, when it cannot.
    // The details are taken as typed, and normalised before they are checked and kept.
    static Status problemWith(const std::filesystem::path& installation, const StudyDetails& typed);

    static Outcome create(const std::filesystem::path& installation, const StudyDetails& typed);

    // A new study with these details that starts from every input of the study in `source`:
    // its works, scale, zone, λ and statutory amounts, but not its report. The specialty code
    // comes along unless the specialty changes. Listed and made current, as a created study is.
    static Outcome copy(const std::filesystem::path& installation,
                        const std::filesystem::path& source, const StudyDetails& typed);

    // The checks of the details themselves and of the folder they name, which no other study
    // may have. `keeping` is the folder of a study whose details are being corrected: its new
    // name may be its own.
    static Status detailsProblem(const std::filesystem::path& installation,
                                 const StudyDetails& typed,
                                 const std::filesystem::path& keeping = {});

    // Whether a folder of the installation other than `keeping` goes by `name`, letter case
    // aside.
    static bool isTaken(const std::filesystem::path& installation, const std::string& name,
                        const std::filesystem::path& keeping = {});

    // Whether a text can name a folder on every system the program runs on, or why not.
    static Status folderNameProblem(const std::string& name);

private:
    // Writes what a study starts from beyond its first files into its folder, still under its
    // temporary name.
    using Start = std::function<Status(const std::filesystem::path& staging)>;
    static Outcome make(const std::filesystem::path& installation, const StudyDetails& typed,
                        const Start& start);
};

} // namespace velmora::store
