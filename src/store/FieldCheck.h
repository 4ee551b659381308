#pragma once

#include <string>
#include <string_view>

namespace velmora::store {

// The checks a typed field passes before a window stores it, with messages that name the field.
class FieldCheck {
public:
    // Why the text of the field labelled `label` cannot be stored; empty when it can.
    static std::string storable(std::string_view label, std::string_view text);
};

} // namespace velmora::store
