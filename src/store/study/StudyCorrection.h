#pragma once

#include "store/study/StudyCreation.h"

#include <filesystem>

namespace velmora::store {

// Corrects the details of a study that exists, with the checks a new study's details pass. When
// the owner's name changes, the study folder takes the new name and the list of studies and the
// current-study pointer follow it: the details, the folder, the list and the pointer change
// together or not at all. A new name that differs in letter case alone is the study's own.
class StudyCorrection {
public:
    static StudyCreation::Outcome correct(const std::filesystem::path& installation,
                                          const std::filesystem::path& study,
                                          const StudyDetails& typed);
};

} // namespace velmora::store
