#pragma once

#include "store/base/Status.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora::store {

// The checks a typed field passes before a window stores it.
class FieldCheck {
public:
    // The text as it is checked and kept: in Unicode normalisation form C, so that a name pasted
    // with separate accents or in polytonic letters is kept as the monotonic Greek it shows.
    static std::string normalised(std::string_view text);

    // Whether the text of `field` can be stored, or why not; `amount` numbers an amount's label.
    // The text is taken as it stands: normalise it first.
    static Status storable(Error::Field field, std::string_view text, std::size_t amount = 0);
};

} // namespace velmora::store
