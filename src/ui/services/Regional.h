#pragma once

#include <optional>

namespace velmora::ui {

// The decimal separator of the user's regional settings, which shown and printed numbers use: the
// same rule as velmora-cli, so both write the same report for the same study.
class Regional {
public:
    static char decimalSeparator();

    // Lets tests fix the separator whatever the machine's settings; nothing restores them.
    static void overrideSeparator(std::optional<char> separator);
};

} // namespace velmora::ui
