#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::store {

// The items of a value file. Commas and line ends both end an item; blanks before an item are
// skipped; an item that starts with a double quote runs to the next double quote, and what
// follows it up to the next comma or line end is dropped.
class ValueItems {
public:
    static std::vector<std::string> split(std::string_view text);

    // How a text must be written so that `split` gives it back: as it stands, in double quotes,
    // or not at all (a text with a double quote that also needs quoting).
    enum class Form { Plain, Quoted, Unstorable };
    static Form formOf(std::string_view text);

    // The line that stores `text` as one item; nothing when no line can.
    static std::optional<std::string> textLine(std::string_view text);
};

} // namespace velmora::store
