#include "store/study/EngineerRegistry.h"

#include "store/base/Catalogue.h"
#include "store/files/Failure.h"
#include "store/files/FileLock.h"
#include "store/files/ValueFile.h"
#include "store/text/FieldCheck.h"

#include <array>
#include <utility>

namespace velmora::store {
namespace {

constexpr std::size_t kItemsPerRecord = 5;

// The registry's fields, each with the field its refusal names.
std::array<std::pair<const std::string*, Error::Field>, kItemsPerRecord>
fieldsOf(const Engineer& engineer) {
    return {{{&engineer.firstName, Error::Field::RegisteredFirstName},
             {&engineer.surname, Error::Field::RegisteredSurname},
             {&engineer.address, Error::Field::RegisteredAddress},
             {&engineer.city, Error::Field::RegisteredCity},
             {&engineer.specialty, Error::Field::RegisteredSpecialty}}};
}

} // namespace

Engineer Engineer::normalised() const {
    return {FieldCheck::normalised(firstName), FieldCheck::normalised(surname),
            FieldCheck::normalised(address), FieldCheck::normalised(city),
            FieldCheck::normalised(specialty)};
}

Result<std::vector<Engineer>> EngineerRegistry::readAll(const std::filesystem::path& installation) {
    const Result<std::vector<std::string>> read =
        ValueFile::readIfThere(installation, Catalogue::kEngineers);
    if (!read) return read.error();
    const std::vector<std::string>& items = *read;
    std::vector<Engineer> engineers;
    for (std::size_t i = 0; i < items.size(); i += kItemsPerRecord) {
        auto item = [&](std::size_t k) {
            return i + k < items.size() ? items[i + k] : std::string();
        };
        engineers.push_back({item(0), item(1), item(2), item(3), item(4)});
    }
    return engineers;
}

Status EngineerRegistry::problemWith(const Engineer& typed) {
    const Engineer engineer = typed.normalised();
    for (const auto& [value, field] : fieldsOf(engineer))
        if (Status problem = FieldCheck::storable(field, *value); !problem) return problem;
    return {};
}

Status EngineerRegistry::append(const std::filesystem::path& installation, const Engineer& typed) {
    const Engineer engineer = typed.normalised();
    if (Status refused = problemWith(engineer); !refused) return refused;

    FileLock lock(installation, Catalogue::kEngineers);
    if (!lock.status()) return lock.status();
    // A missing registry is simply empty here; the rewrite below creates it.
    Result<std::vector<std::string>> old =
        ValueFile::readIfThere(installation, Catalogue::kEngineers);
    // A registry that cannot be read would lose every engineer it holds if it were rewritten.
    if (!old) return Failure::during(old.error(), Error::Context::AppendingEngineer);

    std::vector<ValueItem> copy;
    copy.reserve(old->size() + kItemsPerRecord);
    for (std::string& item : *old)
        copy.push_back(ValueItem::text(std::move(item)));
    if (Status s = ValueFile::write(installation, Catalogue::kEngineersScratch, copy); !s) return s;

    for (const auto& [value, label] : fieldsOf(engineer))
        copy.push_back(ValueItem::text(*value));
    return ValueFile::write(installation, Catalogue::kEngineers, copy);
}

} // namespace velmora::store
