#pragma once

#include "store/base/Status.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora::store {

// What the work selection of a study rests on: the rewriting of every work file as numbers when
// the selection is submitted, and what may be taken as λ.
class WorkSelection {
public:
    // The scale a study gets when none was picked (1:200).
    static constexpr double kDefaultScale = 200;

    // Rewrites every work file of the study as number items, 0 for whatever is missing or not a
    // number, and the scale as 200 unless a positive one is stored. A file that is there but
    // cannot be read is left as it is; neither it nor a file that cannot be written stops the
    // others, and why each of those failed is given back.
    static std::vector<Error> submit(const std::filesystem::path& study);

    // λ as an item gives it: a positive number that single precision can hold, since λ
    // multiplies every amount of a study. Nothing for anything else, 0 and an empty item included.
    static std::optional<float> lambdaOf(std::string_view item);
};

} // namespace velmora::store
