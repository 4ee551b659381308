#include "store/text/FieldCheck.h"

#include "store/text/Cp1253.h"
#include "store/text/ValueItems.h"

namespace velmora::store {
namespace {

// How a character is named in a message: the character itself, an accent on a dotted circle so
// that it shows, and its code, which tells apart characters that look alike or do not show.
std::string named(const Cp1253::Character& c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string code;
    for (char32_t rest = c.code; rest != 0 || code.size() < 4; rest >>= 4)
        code.insert(code.begin(), kHex[rest & 0xF]);
    const bool accent = c.code >= 0x0300 && c.code <= 0x036F;
    return "«" + std::string(accent ? "\u25CC" : "") + std::string(c.text) + "» (U+" + code + ")";
}

} // namespace

std::string FieldCheck::normalised(std::string_view text) {
    return Cp1253::composed(text);
}

std::string FieldCheck::storable(std::string_view label, std::string_view text) {
    const std::string field = "Το πεδίο «" + std::string(label) + "» ";
    if (auto c = Cp1253::firstUnencodable(text))
        return field + "περιέχει τον χαρακτήρα " + named(*c) +
               ", που δεν μπορεί να αποθηκευτεί: αποθηκεύονται ελληνικά μονοτονικά και λατινικά "
               "γράμματα, ψηφία και τα συνήθη σύμβολα. Διορθώστε το και δοκιμάστε ξανά.";
    if (ValueItems::formOf(text) == ValueItems::Form::Unstorable)
        return field + "περιέχει εισαγωγικά (\"), που δεν μπορούν να αποθηκευτούν σε κείμενο "
                       "με κόμμα ή σε κείμενο που αρχίζει με κενό ή εισαγωγικά. Αφαιρέστε τα "
                       "εισαγωγικά και δοκιμάστε ξανά.";
    return {};
}

} // namespace velmora::store
