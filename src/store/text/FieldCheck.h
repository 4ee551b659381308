#pragma once

#include <string>
#include <string_view>

namespace velmora::store {

// The checks a typed field passes before a window stores it, with messages that name the field.
class FieldCheck {
public:
    // The text as it is checked and kept: in Unicode normalisation form C, so that a name pasted
    // with separate accents or in polytonic letters is kept as the monotonic Greek it shows.
    static std::string normalised(std::string_view text);

    // Why the text of the field labelled `label` cannot be stored; empty when it can. The text is
    // taken as it stands: normalise it first.
    static std::string storable(std::string_view label, std::string_view text);
};

} // namespace velmora::store
