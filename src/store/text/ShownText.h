#pragma once

#include <string>
#include <string_view>

namespace velmora::store {

// Text from a file or a folder name as a message may quote it: control characters, which a
// terminal would take as commands (to retitle or clear it, or move the cursor), are shown escaped
// instead: a tab as \t, a line end as \r or \n, any other as \xHH or \uHHHH. So are the
// characters that show as nothing or as a plain blank (a no-break space, a byte-order mark),
// which would hide why an item is refused.
class ShownText {
public:
    static std::string of(std::string_view utf8);
};

} // namespace velmora::store
