#include "store/text/Cp1253.h"

#include <array>
#include <cstdint>
#include <unordered_map>
#include <utility>

namespace velmora::store {
namespace {

// Code points of bytes 0x80 to 0xFF; 0 marks a byte the code page leaves undefined.
// clang-format off
constexpr std::array<char32_t, 128> kHigh = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0000, 0x2030, 0x0000, 0x2039, 0x0000, 0x0000, 0x0000, 0x0000,
    0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0000, 0x2122, 0x0000, 0x203A, 0x0000, 0x0000, 0x0000, 0x0000,
    0x00A0, 0x0385, 0x0386, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x0000, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x2015,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x0384, 0x00B5, 0x00B6, 0x00B7,
    0x0388, 0x0389, 0x038A, 0x00BB, 0x038C, 0x00BD, 0x038E, 0x038F,
    0x0390, 0x0391, 0x0392, 0x0393, 0x0394, 0x0395, 0x0396, 0x0397,
    0x0398, 0x0399, 0x039A, 0x039B, 0x039C, 0x039D, 0x039E, 0x039F,
    0x03A0, 0x03A1, 0x0000, 0x03A3, 0x03A4, 0x03A5, 0x03A6, 0x03A7,
    0x03A8, 0x03A9, 0x03AA, 0x03AB, 0x03AC, 0x03AD, 0x03AE, 0x03AF,
    0x03B0, 0x03B1, 0x03B2, 0x03B3, 0x03B4, 0x03B5, 0x03B6, 0x03B7,
    0x03B8, 0x03B9, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BE, 0x03BF,
    0x03C0, 0x03C1, 0x03C2, 0x03C3, 0x03C4, 0x03C5, 0x03C6, 0x03C7,
    0x03C8, 0x03C9, 0x03CA, 0x03CB, 0x03CC, 0x03CD, 0x03CE, 0x0000,
};
// clang-format on

// Undefined bytes travel through the program as U+F700 plus the byte.
constexpr char32_t kUndefinedBase = 0xF700;

char32_t codePointOf(unsigned char byte) {
    if (byte < 0x80) return byte;
    char32_t cp = kHigh[byte - 0x80];
    return cp != 0 ? cp : kUndefinedBase + byte;
}

// Every Greek letter of a report would otherwise cost a walk through the table.
const std::unordered_map<char32_t, unsigned char>& bytesOfCodePoints() {
    static const auto table = [] {
        std::unordered_map<char32_t, unsigned char> bytes;
        for (std::size_t i = 0; i < kHigh.size(); ++i)
            if (kHigh[i] != 0) bytes.emplace(kHigh[i], static_cast<unsigned char>(0x80 + i));
        return bytes;
    }();
    return table;
}

std::optional<unsigned char> byteOf(char32_t cp) {
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    if (cp >= kUndefinedBase + 0x80 && cp <= kUndefinedBase + 0xFF) {
        auto byte = static_cast<unsigned char>(cp - kUndefinedBase);
        if (kHigh[byte - 0x80] == 0) return byte;
        return std::nullopt;
    }
    const auto& table = bytesOfCodePoints();
    auto found = table.find(cp);
    if (found == table.end()) return std::nullopt;
    return found->second;
}

// Encodes into `out` up to the first character the code page has no place for, and gives that
// character back; nothing when the whole text was encoded.
std::optional<Cp1253::Character> encodeInto(std::string_view utf8, std::string& out) {
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto ascii = static_cast<unsigned char>(utf8[i]);
        if (ascii < 0x80) {
            out += static_cast<char>(ascii);
            ++i;
            continue;
        }
        const std::size_t start = i;
        auto cp = Cp1253::nextCodePoint(utf8, i);
        if (!cp) return Cp1253::Character{0xFFFD, "\uFFFD"};
        auto byte = byteOf(*cp);
        if (!byte) return Cp1253::Character{*cp, utf8.substr(start, i - start)};
        out += static_cast<char>(*byte);
    }
    return std::nullopt;
}

// Characters that are canonically equal, alone, to one the code page holds: the polytonic-block
// letters with oxia are the monotonic letters with tonos, the Greek question mark is a semicolon.
// clang-format off
constexpr std::pair<char32_t, char32_t> kEquivalents[] = {
    {0x037E, 0x003B}, {0x0387, 0x00B7}, {0x1F71, 0x03AC}, {0x1F73, 0x03AD}, {0x1F75, 0x03AE},
    {0x1F77, 0x03AF}, {0x1F79, 0x03CC}, {0x1F7B, 0x03CD}, {0x1F7D, 0x03CE}, {0x1FBB, 0x0386},
    {0x1FBE, 0x03B9}, {0x1FC9, 0x0388}, {0x1FCB, 0x0389}, {0x1FD3, 0x0390}, {0x1FDB, 0x038A},
    {0x1FE3, 0x03B0}, {0x1FEB, 0x038E}, {0x1FEE, 0x0385}, {0x1FEF, 0x0060}, {0x1FF9, 0x038C},
    {0x1FFB, 0x038F}, {0x2126, 0x03A9}, {0x212A, 0x004B},
    // The combining tonos is the combining acute.
    {0x0341, 0x0301}, {0x0340, 0x0300},
};

// A letter and a following accent that compose into one letter of the code page.
struct Composition {
    char32_t base;
    char32_t mark;
    char32_t composed;
};
constexpr Composition kCompositions[] = {
    {0x00A8, 0x0301, 0x0385}, {0x0391, 0x0301, 0x0386}, {0x0395, 0x0301, 0x0388},
    {0x0397, 0x0301, 0x0389}, {0x0399, 0x0301, 0x038A}, {0x039F, 0x0301, 0x038C},
    {0x03A5, 0x0301, 0x038E}, {0x03A9, 0x0301, 0x038F}, {0x03CA, 0x0301, 0x0390},
    {0x0399, 0x0308, 0x03AA}, {0x03A5, 0x0308, 0x03AB}, {0x03B1, 0x0301, 0x03AC},
    {0x03B5, 0x0301, 0x03AD}, {0x03B7, 0x0301, 0x03AE}, {0x03B9, 0x0301, 0x03AF},
    {0x03CB, 0x0301, 0x03B0}, {0x03B9, 0x0308, 0x03CA}, {0x03C5, 0x0308, 0x03CB},
    {0x03BF, 0x0301, 0x03CC}, {0x03C5, 0x0301, 0x03CD}, {0x03C9, 0x0301, 0x03CE},
};
// clang-format on

bool isCombiningMark(char32_t cp) {
    return cp >= 0x0300 && cp <= 0x036F;
}

// Adds one character to composed text: an accent joins the letter before it when the two make
// one letter, unless an accent that could not join stands between them.
void appendComposed(std::u32string& out, bool& blocked, char32_t cp) {
    if (!isCombiningMark(cp)) {
        out += cp;
        blocked = false;
        return;
    }
    if (!blocked && !out.empty())
        for (const Composition& c : kCompositions)
            if (c.base == out.back() && c.mark == cp) {
                out.back() = c.composed;
                return;
            }
    out += cp;
    blocked = true;
}

} // namespace

std::optional<std::string> Cp1253::encode(std::string_view utf8) {
    std::string out;
    if (encodeInto(utf8, out)) return std::nullopt;
    return out;
}

std::optional<Cp1253::Character> Cp1253::firstUnencodable(std::string_view utf8) {
    std::string out;
    return encodeInto(utf8, out);
}

std::string Cp1253::composed(std::string_view utf8) {
    std::u32string out;
    bool blocked = false;
    std::size_t i = 0;
    while (i < utf8.size()) {
        auto cp = Cp1253::nextCodePoint(utf8, i);
        // Malformed text is left for the code page to refuse.
        if (!cp) return std::string(utf8);
        if (*cp == 0x0344) {
            // The combining dialytika tonos is a diaeresis followed by an acute.
            appendComposed(out, blocked, 0x0308);
            appendComposed(out, blocked, 0x0301);
            continue;
        }
        for (const auto& [from, to] : kEquivalents)
            if (*cp == from) cp = to;
        appendComposed(out, blocked, *cp);
    }
    std::string text;
    text.reserve(utf8.size());
    for (char32_t cp : out)
        Cp1253::appendUtf8(text, cp);
    return text;
}

std::string Cp1253::decode(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            out += c;
        else
            Cp1253::appendUtf8(out, codePointOf(byte));
    }
    return out;
}

void Cp1253::appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::optional<char32_t> Cp1253::nextCodePoint(std::string_view text, std::size_t& i) {
    auto lead = static_cast<unsigned char>(text[i]);
    int extra;
    char32_t cp;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (i + extra >= text.size()) return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80) return std::nullopt;
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
    i += extra + 1;
    return cp;
}

} // namespace velmora::store
