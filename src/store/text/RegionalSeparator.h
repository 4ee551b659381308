#pragma once

#include <string_view>

namespace velmora::store {

// The decimal separator of the user's regional settings, the same for the desktop program and
// velmora-cli. On Unix it follows the locale named by LC_ALL, then LC_NUMERIC, then LANG (the
// order the toolkit reads them in), and is known from the name alone, so it does not depend on
// whether that locale is installed; on Windows it is the user's own setting.
class RegionalSeparator {
public:
    static char fromEnvironment();

    // ',' or '.' for a locale name such as "el_GR.UTF-8", "de_CH" or "C".
    static char forLocale(std::string_view name);
};

} // namespace velmora::store
