#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velmora::store {

// The Greek 8-bit code page of every file the program keeps. Inside the program text is UTF-8;
// conversion happens only here, where bytes meet the disk.
class Cp1253 {
public:
    // UTF-8 to Windows-1253; nothing when a character has no place in the code page or the text
    // is not valid UTF-8.
    static std::optional<std::string> encode(std::string_view utf8);
    static bool canEncode(std::string_view utf8) { return encode(utf8).has_value(); }

    // Windows-1253 to UTF-8. The few bytes the code page leaves undefined map to private-use
    // characters, so a file read and written back keeps every byte it had.
    static std::string decode(std::string_view bytes);
};

} // namespace velmora::store
