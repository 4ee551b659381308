#include "store/text/TypedQuantity.h"

#include "store/text/NumberText.h"

#include <utility>

namespace velmora::store {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A point that a Greek user may have meant as a thousands separator: one to three digits, the
// first not 0, then the point and exactly three digits ("1.500", "12.000"). "0.500" and
// "1234.567" cannot be read as thousands, and "1.25" or "1.5000" cannot be either.
bool mayBeThousandsPoint(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point < 1 || point > 3 || text.front() == '0')
        return false;
    if (text.size() != point + 4) return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != point && !isDigit(text[i])) return false;
    return true;
}

} // namespace

TypedQuantity::Verdict TypedQuantity::check(std::string_view typed,
                                            const std::optional<Shown>& shown) {
    if (shown && typed == shown->text && !trimmed(typed).empty())
        if (auto value = NumberText::parse(shown->stored))
            return {Fault::None, Reading{*value, shown->stored}};
    std::string stored(typed);
    const std::size_t comma = stored.find(',');
    if (comma != std::string::npos) {
        // A point beside the comma would make it a thousands separator or a typing slip;
        // neither is a number we can be sure of.
        if (stored.find_first_of(",.", comma + 1) != std::string::npos || stored.find('.') < comma)
            return {Fault::NotANumber, std::nullopt};
        stored[comma] = '.';
    }
    auto value = NumberText::parse(stored);
    if (!value) return {Fault::NotANumber, std::nullopt};
    if (*value < 0) return {Fault::Negative, std::nullopt};
    if (comma == std::string::npos && mayBeThousandsPoint(typed))
        return {Fault::ThousandsPoint, std::nullopt};
    return {Fault::None, Reading{*value, std::move(stored)}};
}

Result<TypedQuantity::Reading> TypedQuantity::take(std::string_view field, std::string_view typed,
                                                   const std::optional<Shown>& shown) {
    Verdict verdict = check(typed, shown);
    if (verdict.reading) return std::move(*verdict.reading);
    Error refused;
    refused.kind = Error::Kind::Refused;
    refused.refusal = Error::Refusal::QuantityNotANumber;
    refused.arguments = {std::string(typed), std::string(field)};
    if (verdict.fault == Fault::Negative) refused.refusal = Error::Refusal::QuantityNegative;
    if (verdict.fault == Fault::ThousandsPoint) {
        // The two numbers it may mean: without the thousands point, or with a decimal comma.
        std::string number(trimmed(typed));
        const std::size_t point = number.find('.');
        std::string whole = number;
        whole.erase(point, 1);
        number[point] = ',';
        refused.refusal = Error::Refusal::QuantityThousands;
        refused.arguments.push_back(std::move(whole));
        refused.arguments.push_back(std::move(number));
    }
    return refused;
}

} // namespace velmora::store
