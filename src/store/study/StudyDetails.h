#pragma once

#include "store/study/EngineerRegistry.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace velmora::store {

// What a new study starts from: its owner, its site and the engineer who signs it.
struct StudyDetails {
    std::string ownerFirstName;
    std::string ownerSurname;
    std::string ownerAddress;
    std::string ownerCity;
    std::string municipality;
    std::string district;
    std::string location;
    Engineer engineer;

    // The details as a study keeps them, in file order; a field the file lacks is empty.
    static StudyDetails of(const std::vector<std::string>& stored);
    // The details as they are checked and kept: every field in Unicode normalisation form C.
    StudyDetails normalised() const;
    // The twelve fields in the order the study keeps them.
    static constexpr std::size_t kFields = 12;
    std::array<std::string, kFields> fields() const;
    // The owner's first name and surname joined: the study folder inside the installation folder.
    std::string folderName() const { return ownerFirstName + ownerSurname; }
};

} // namespace velmora::store
