#pragma once

#include "store/base/Status.h"
#include "store/study/StudyDetails.h"
#include "store/study/StudyList.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::store {

// Studies put away: taken off the list of studies, their folders kept whole in a folder of their
// own inside the installation folder, from where they can be brought back. Nothing is deleted.
class StudyShelf {
public:
    // No study can be named so (see `isShelfName`), and Windows keeps the name as it is.
    static constexpr std::string_view kFolder = "_Αρχειοθέτηση";

    // Whether a study folder of this name would be taken for the folder of put-away studies, on
    // a disk that ignores letter case (or tonos, to be safe) and trailing dots and blanks.
    static bool isShelfName(std::string_view name);

    struct Shelved {
        // The folder's name inside the folder of put-away studies.
        std::string name;
        // Who the study is for, as its details say; the folder's name when they cannot be read.
        StudyEntry owner;
        // Its details as read; empty when they cannot be read.
        StudyDetails details;
    };
    // The put-away studies, by name.
    static std::vector<Shelved> shelved(const std::filesystem::path& installation);

    // Takes the study at `place` of the list off it and moves its folder among the put-away
    // studies, under its own name or, when that is taken there, with " (2)", " (3)", ... after
    // it. Where another entry of the list leads to the same folder, only the entry goes and the
    // folder stays for the other. A current study that is put away leaves no current study.
    // Holds the list and the study's report; the folder and the list change together or not at
    // all.
    static Status putAway(const std::filesystem::path& installation, std::size_t place,
                          const StudyEntry& listed);

    // Moves a put-away study back into the installation folder, under its owner's names, and
    // lists it again. Refused when a study folder of that name stands there now.
    static Status bringBack(const std::filesystem::path& installation, std::string_view name);
};

} // namespace velmora::store
