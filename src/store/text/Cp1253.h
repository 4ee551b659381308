#pragma once

#include <cstddef>
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
    // The first character that has no place in the code page (U+FFFD for text that is not valid
    // UTF-8); nothing when every character has one.
    struct Character {
        char32_t code;
        // Its UTF-8 text, within the text given.
        std::string_view text;
    };
    static std::optional<Character> firstUnencodable(std::string_view utf8);

    // The text in Unicode normalisation form C as far as the code page is concerned: a Greek
    // letter followed by a combining acute or diaeresis, and a polytonic-block letter that is
    // canonically the same as a monotonic one, become the one letter the code page holds. Text
    // pasted from documents often comes in those forms though the user sees plain Greek.
    static std::string composed(std::string_view utf8);

    // Windows-1253 to UTF-8. The few bytes the code page leaves undefined map to private-use
    // characters, so a file read and written back keeps every byte it had.
    static std::string decode(std::string_view bytes);

    // Decodes one UTF-8 sequence at text[i], advancing i; nothing on a malformed sequence.
    static std::optional<char32_t> nextCodePoint(std::string_view text, std::size_t& i);
    static void appendUtf8(std::string& out, char32_t cp);
};

} // namespace velmora::store
