#include "store/text/FieldCheck.h"

#include "store/text/Cp1253.h"
#include "store/text/ValueItems.h"

#include <string>
#include <vector>

namespace velmora::store {
namespace {

// A character as a refusal names it: the character itself, an accent on a dotted circle so that
// it shows, and its code, which tells apart characters that look alike or do not show.
std::vector<std::string> named(const Cp1253::Character& c) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string code;
    for (char32_t rest = c.code; rest != 0 || code.size() < 4; rest >>= 4)
        code.insert(code.begin(), kHex[rest & 0xF]);
    const bool accent = c.code >= 0x0300 && c.code <= 0x036F;
    return {std::string(accent ? "\u25CC" : "") + std::string(c.text), code};
}

} // namespace

std::string FieldCheck::normalised(std::string_view text) {
    return Cp1253::composed(text);
}

Status FieldCheck::storable(Error::Field field, std::string_view text, std::size_t amount) {
    Error refused;
    refused.kind = Error::Kind::Refused;
    refused.field = field;
    if (auto c = Cp1253::firstUnencodable(text)) {
        refused.refusal = Error::Refusal::FieldCharacter;
        refused.arguments = named(*c);
    } else if (ValueItems::formOf(text) == ValueItems::Form::Unstorable) {
        refused.refusal = Error::Refusal::FieldQuotes;
    } else {
        return {};
    }
    if (amount != 0) refused.arguments.push_back(std::to_string(amount));
    return refused;
}

} // namespace velmora::store
