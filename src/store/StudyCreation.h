#pragma once

#include "store/EngineerRegistry.h"
#include "store/Status.h"

#include <array>
#include <filesystem>
#include <string>

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

    // The details as they are checked and kept: every field in Unicode normalisation form C.
    StudyDetails normalised() const;
    // The twelve fields in the order the study keeps them.
    std::array<std::string, 12> fields() const;
    // The owner's first name and surname joined: the study folder inside the installation folder.
    std::string folderName() const { return ownerFirstName + ownerSurname; }
};

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

    // Why a text cannot name a folder on any of the systems the program runs on; empty when it
    // can.
    static std::string folderNameProblem(const std::string& name);
};

} // namespace velmora::store
