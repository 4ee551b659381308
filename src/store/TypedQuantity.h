#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::store {

// A quantity as the user types it into an entry box. Greek users write the decimal separator as
// a comma, which a value file would take as the end of an item; such text is stored with a point
// instead. Text that is not a number is not a quantity at all, and the window refuses it.
class TypedQuantity {
public:
    struct Reading {
        // What the text means as a number; an empty box means 0.
        double value;
        // The text item to store: the text as typed, or with its one decimal comma turned into a
        // point. An empty box stays an empty item.
        std::string stored;
    };

    // Nothing when the text is not a number ("abc", "1.2.3", "1,2,3", "12,5.3").
    static std::optional<Reading> read(std::string_view typed);
};

} // namespace velmora::store
