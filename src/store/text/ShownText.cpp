#include "store/text/ShownText.h"

namespace velmora::store {
namespace {

char hexDigit(unsigned value) {
    return "0123456789ABCDEF"[value & 0xF];
}

void escape(std::string& shown, unsigned code) {
    shown += code < 0x80 ? "\\x" : "\\u";
    for (int shift = code < 0x80 ? 4 : 12; shift >= 0; shift -= 4)
        shown += hexDigit(code >> shift);
}

// The code point of the character starting at `at` when it is one that shows as nothing, or as
// a plain blank, and so hides what an item really holds: the second set of control characters,
// the no-break space, the soft hyphen, the zero-width and direction marks, the byte-order mark.
// Nothing for any other.
unsigned hidden(std::string_view utf8, std::size_t at, std::size_t& length) {
    const auto byte = [&](std::size_t i) {
        return at + i < utf8.size() ? static_cast<unsigned char>(utf8[at + i]) : 0u;
    };
    if (byte(0) == 0xC2 && (byte(1) <= 0x9F || byte(1) == 0xA0 || byte(1) == 0xAD) &&
        byte(1) >= 0x80) {
        length = 2;
        return byte(1);
    }
    if ((byte(0) == 0xE2 || byte(0) == 0xEF) && byte(1) >= 0x80 && byte(2) >= 0x80) {
        const unsigned code = ((byte(0) & 0x0F) << 12) | ((byte(1) & 0x3F) << 6) | (byte(2) & 0x3F);
        if ((code >= 0x200B && code <= 0x200F) || (code >= 0x2028 && code <= 0x202E) ||
            (code >= 0x2060 && code <= 0x2069) || code == 0xFEFF) {
            length = 3;
            return code;
        }
    }
    return 0;
}

} // namespace

std::string ShownText::of(std::string_view utf8) {
    std::string shown;
    shown.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        std::size_t length = 0;
        if (byte == '\t') {
            shown += "\\t";
        } else if (byte == '\r') {
            shown += "\\r";
        } else if (byte == '\n') {
            shown += "\\n";
        } else if (byte < 0x20 || byte == 0x7F) {
            escape(shown, byte);
        } else if (const unsigned code = hidden(utf8, i, length)) {
            escape(shown, code);
            i += length - 1;
        } else {
            shown += utf8[i];
        }
    }
    return shown;
}

} // namespace velmora::store
