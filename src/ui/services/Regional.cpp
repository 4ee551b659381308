#include "ui/services/Regional.h"

#include "store/text/RegionalSeparator.h"

namespace velmora::ui {
namespace {

std::optional<char>& overridden() {
    static std::optional<char> separator;
    return separator;
}

} // namespace

char Regional::decimalSeparator() {
    if (overridden()) return *overridden();
    return store::RegionalSeparator::fromEnvironment();
}

void Regional::overrideSeparator(std::optional<char> separator) {
    overridden() = separator;
}

} // namespace velmora::ui
