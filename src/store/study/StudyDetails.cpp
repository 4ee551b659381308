#include "store/study/StudyDetails.h"

#include "store/text/FieldCheck.h"

namespace velmora::store {

StudyDetails StudyDetails::of(const std::vector<std::string>& stored) {
    std::array<std::string, kFields> f;
    for (std::size_t i = 0; i < f.size() && i < stored.size(); ++i)
        f[i] = stored[i];
    return {f[0], f[1], f[2], f[3], f[4], f[5], f[6], {f[7], f[8], f[9], f[10], f[11]}};
}

StudyDetails StudyDetails::normalised() const {
    return {FieldCheck::normalised(ownerFirstName), FieldCheck::normalised(ownerSurname),
            FieldCheck::normalised(ownerAddress),   FieldCheck::normalised(ownerCity),
            FieldCheck::normalised(municipality),   FieldCheck::normalised(district),
            FieldCheck::normalised(location),       engineer.normalised()};
}

std::array<std::string, StudyDetails::kFields> StudyDetails::fields() const {
    return {ownerFirstName,   ownerSurname,     ownerAddress,  ownerCity,
            municipality,     district,         location,      engineer.firstName,
            engineer.surname, engineer.address, engineer.city, engineer.specialty};
}

} // namespace velmora::store
