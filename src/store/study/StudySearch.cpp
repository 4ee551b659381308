#include "store/study/StudySearch.h"

#include "store/text/Cp1253.h"
#include "store/text/FieldCheck.h"

#include <optional>

namespace velmora::store {
namespace {

// The letter a Greek capital, accented or final letter is searched as.
char32_t baseLetter(char32_t c) {
    switch (c) {
    case U'Ά':
    case U'ά':
        return U'α';
    case U'Έ':
    case U'έ':
        return U'ε';
    case U'Ή':
    case U'ή':
        return U'η';
    case U'Ί':
    case U'ί':
    case U'Ϊ':
    case U'ϊ':
    case U'ΐ':
        return U'ι';
    case U'Ό':
    case U'ό':
        return U'ο';
    case U'Ύ':
    case U'ύ':
    case U'Ϋ':
    case U'ϋ':
    case U'ΰ':
        return U'υ';
    case U'Ώ':
    case U'ώ':
        return U'ω';
    case U'ς':
        return U'σ';
    default:
        break;
    }
    if (c >= U'Α' && c <= U'Ω') return c + (U'α' - U'Α');
    if (c >= U'A' && c <= U'Z') return c + (U'a' - U'A');
    return c;
}

} // namespace

std::string StudySearch::folded(std::string_view text) {
    // Accents typed apart from their letter join it first.
    const std::string composed = FieldCheck::normalised(text);
    std::string out;
    out.reserve(composed.size());
    for (std::size_t i = 0; i < composed.size();) {
        const std::size_t start = i;
        const std::optional<char32_t> c = Cp1253::nextCodePoint(composed, i);
        // What is not UTF-8 passes as it is, a byte at a time.
        if (!c) {
            out += composed[start];
            i = start + 1;
            continue;
        }
        // A tonos or dialytika left on its own is dropped with the others.
        if (*c == 0x0301 || *c == 0x0308 || *c == 0x0384 || *c == 0x0385) continue;
        Cp1253::appendUtf8(out, baseLetter(*c));
    }
    return out;
}

bool StudySearch::matches(std::string_view query, std::initializer_list<std::string_view> texts) {
    std::string haystack;
    for (std::string_view text : texts) {
        // Kept apart, so that a word does not match across the end of one text.
        haystack += folded(text);
        haystack += '\n';
    }
    const std::string wanted = folded(query);
    std::size_t i = 0;
    while (i < wanted.size()) {
        if (wanted[i] == ' ' || wanted[i] == '\t') {
            ++i;
            continue;
        }
        const std::size_t end = wanted.find_first_of(" \t", i);
        const std::string word = wanted.substr(i, end == std::string::npos ? end : end - i);
        if (haystack.find(word) == std::string::npos) return false;
        i = end == std::string::npos ? wanted.size() : end;
    }
    return true;
}

} // namespace velmora::store
