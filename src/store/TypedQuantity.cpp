#include "store/TypedQuantity.h"

#include "store/NumberText.h"

namespace velmora::store {

std::optional<TypedQuantity::Reading> TypedQuantity::read(std::string_view typed) {
    std::string stored(typed);
    const std::size_t comma = stored.find(',');
    if (comma != std::string::npos) {
        // A point beside the comma would make it a thousands separator or a typing slip;
        // neither is a number we can be sure of.
        if (stored.find_first_of(",.", comma + 1) != std::string::npos || stored.find('.') < comma)
            return std::nullopt;
        stored[comma] = '.';
    }
    auto value = NumberText::parse(stored);
    if (!value) return std::nullopt;
    return Reading{*value, std::move(stored)};
}

} // namespace velmora::store
