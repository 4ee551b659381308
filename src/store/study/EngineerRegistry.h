#pragma once

#include "store/base/Result.h"
#include "store/base/Status.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::store {

// One engineer who can sign studies, as the registry keeps it: five text items.
struct Engineer {
    std::string firstName;
    std::string surname;
    std::string address;
    std::string city;
    // The specialty as chosen or typed; its code is worked out only when a study is created.
    std::string specialty;

    // The record as it is checked and kept: every field in Unicode normalisation form C.
    Engineer normalised() const;

    bool operator==(const Engineer&) const = default;
};

// The engineers of the installation folder, shared by every study, in the order they were added.
// Records are only ever appended.
class EngineerRegistry {
public:
    // Every record in file order, or why a registry that is there cannot be read. A missing
    // registry is an empty one; a last record cut short keeps the items it has, the rest empty.
    static Result<std::vector<Engineer>> readAll(const std::filesystem::path& installation);

    // Appends a record, normalised: the registry is copied item by item to its scratch file, copied
    // back, and the five new items follow, so the scratch file keeps the registry as it was before.
    // A record the file cannot keep, or a registry that exists but cannot be read, is refused
    // before anything is written.
    static Status append(const std::filesystem::path& installation, const Engineer& engineer);

    // Whether the record can be stored; refused, naming the field to change, when it cannot.
    static Status problemWith(const Engineer& engineer);
};

} // namespace velmora::store
