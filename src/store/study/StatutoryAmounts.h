#pragma once

#include "store/base/Result.h"
#include "store/files/ValueFile.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::store {

// One statutory amount of a study: the label the totals print before it, and its rate on the fee.
struct StatutoryAmount {
    std::string label;
    double rate = 0;
    bool operator==(const StatutoryAmount&) const = default;
};

// The statutory amounts a study adds to its fee. Rates and bodies change with the law, so each
// study keeps the list it was priced with, and the installation the list new studies start with.
class StatutoryAmounts {
public:
    static constexpr std::size_t kMost = 8;

    // The four amounts of a study that keeps no list of its own, spaced as they always printed.
    static const std::vector<StatutoryAmount>& standard();

    // A label as it is stored: as typed when it ends in "=" (blanks after it aside), otherwise
    // with " = " after it, so that the amount does not run into the words.
    static std::string labelOf(std::string_view typed);

    // A rate as a file or the command line holds it: a number from 0 to 1, with a point.
    static std::optional<double> rateOf(std::string_view item);
    // A rate as it is shown: with a zero before the separator ("0.24", "0,24").
    static std::string shownRate(double rate, char separator);

    // An amount whose rate is missing or not a number from 0 to 1, and so counts as 0.
    struct Fault {
        std::string label;
        // The rate as stored; nothing when the items end before it.
        std::optional<std::string> rate;
        bool operator==(const Fault&) const = default;
    };
    // The amounts of a file's items, label and rate in turn, with what counted as 0.
    struct Read {
        std::vector<StatutoryAmount> amounts;
        std::vector<Fault> faults;
    };
    static Read fromItems(const std::vector<std::string>& items);
    static std::vector<ValueItem> itemsOf(const std::vector<StatutoryAmount>& amounts);

    // One amount as the user typed it: the label, and the rate with a point or a decimal comma.
    struct Typed {
        std::string label;
        std::string rate;
    };
    // The list the user typed, labels as they are stored; or why it is refused.
    static Result<std::vector<StatutoryAmount>> fromTyped(const std::vector<Typed>& typed);
};

} // namespace velmora::store
