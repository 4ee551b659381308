#pragma once

#include "store/base/Result.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::store {

// A quantity as the user types it into an entry box. Greek users write the decimal separator as
// a comma, which a value file would take as the end of an item; such text is stored with a point
// instead. Text that is not a number, a negative number and a point that may be a thousands
// separator are not quantities at all, and the window refuses them.
class TypedQuantity {
public:
    struct Reading {
        // What the text means as a number; an empty box means 0.
        double value;
        // The text item to store: the text as typed, or with its one decimal comma turned into a
        // point. An empty box stays an empty item.
        std::string stored;
    };

    enum class Fault {
        None,
        NotANumber,     // "abc", "1.2.3", "1,2,3", "12,5.3"
        Negative,       // "-5"
        ThousandsPoint, // "1.500": a thousand and five hundred, or one and a half?
    };

    struct Verdict {
        Fault fault;
        // Set exactly when there is no fault.
        std::optional<Reading> reading;
    };

    // A stored item as a box shows it again.
    struct Shown {
        std::string text;
        std::string stored;
    };

    // When the text is what the box showed of a stored number, that number is taken back as it
    // stands: the user did not type it, so a point that may be a thousands separator under
    // English settings, or a negative number stored by an earlier installation, is not theirs to
    // answer for. Anything else is read as typed.
    static Verdict check(std::string_view typed, const std::optional<Shown>& shown = {});

    // The reading of a text without fault; nothing otherwise.
    static std::optional<Reading> read(std::string_view typed,
                                       const std::optional<Shown>& shown = {}) {
        return check(typed, shown).reading;
    }

    // The reading of the text typed in the field named `field`, or why it is refused.
    static Result<Reading> take(std::string_view field, std::string_view typed,
                                const std::optional<Shown>& shown = {});
};

} // namespace velmora::store
