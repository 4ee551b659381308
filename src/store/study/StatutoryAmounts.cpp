#include "store/study/StatutoryAmounts.h"

#include "store/files/Failure.h"
#include "store/text/FieldCheck.h"
#include "store/text/NumberText.h"
#include "store/text/TypedQuantity.h"

#include <cmath>

namespace velmora::store {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// What is left of a label once its closing "=" and the blanks are taken off: the words.
bool hasWords(std::string_view label) {
    return label.find_first_not_of(" \t=") != std::string_view::npos;
}

} // namespace

const std::vector<StatutoryAmount>& StatutoryAmounts::standard() {
    static const std::vector<StatutoryAmount> four = {
        {"Φ.Π.Α. 18%     = ", 0.18},
        {"Φ.Ε.Μ   4%     = ", 0.04},
        {"ΤΣΜΕΔΕ  3% = ", 0.03},
        {"T.E.E   2%     = ", 0.02},
    };
    return four;
}

std::string StatutoryAmounts::labelOf(std::string_view typed) {
    std::string label(typed);
    const std::size_t last = label.find_last_not_of(" \t");
    if (last != std::string::npos && label[last] == '=') return label;
    label.erase(last == std::string::npos ? 0 : last + 1);
    return label + " = ";
}

std::optional<double> StatutoryAmounts::rateOf(std::string_view item) {
    if (item.find_first_not_of(" \t") == std::string_view::npos) return std::nullopt;
    const auto rate = NumberText::parse(item);
    if (!rate || !(*rate >= 0 && *rate <= 1)) return std::nullopt;
    return *rate == 0 ? 0.0 : *rate;
}

std::string StatutoryAmounts::shownRate(double rate, char separator) {
    std::string text = NumberText::general(rate, NumberText::kDoubleDigits, separator);
    if (text.starts_with(separator)) text.insert(0, 1, '0');
    return text;
}

StatutoryAmounts::Read StatutoryAmounts::fromItems(const std::vector<std::string>& items) {
    Read read;
    for (std::size_t i = 0; i < items.size(); i += 2) {
        StatutoryAmount amount{items[i], 0};
        if (i + 1 >= items.size())
            read.faults.push_back({amount.label, std::nullopt});
        else if (auto rate = rateOf(items[i + 1]))
            amount.rate = *rate;
        else
            read.faults.push_back({amount.label, items[i + 1]});
        read.amounts.push_back(std::move(amount));
    }
    return read;
}

std::vector<ValueItem> StatutoryAmounts::itemsOf(const std::vector<StatutoryAmount>& amounts) {
    std::vector<ValueItem> items;
    items.reserve(amounts.size() * 2);
    for (const StatutoryAmount& amount : amounts) {
        items.push_back(ValueItem::text(amount.label));
        items.push_back(ValueItem::number(amount.rate));
    }
    return items;
}

Result<std::vector<StatutoryAmount>> StatutoryAmounts::fromTyped(const std::vector<Typed>& typed) {
    if (typed.size() > kMost)
        return Failure::refusing(Error::Refusal::TooManyAmounts,
                                 {std::to_string(kMost), std::to_string(typed.size())});
    std::vector<StatutoryAmount> amounts;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const std::string label = FieldCheck::normalised(typed[i].label);
        if (!hasWords(label))
            return Failure::refusing(Error::Refusal::AmountWithoutLabel, {std::to_string(i + 1)});
        for (char c : label)
            if (static_cast<unsigned char>(c) < 0x20 && !isBlank(c))
                return Failure::refusing(Error::Refusal::AmountLabelControl,
                                         {std::to_string(i + 1), label});
        if (Status s = FieldCheck::storable(Error::Field::AmountLabel, label, i + 1); !s)
            return s.error();
        const auto reading = TypedQuantity::read(typed[i].rate);
        const auto rate = reading ? rateOf(reading->stored) : std::nullopt;
        if (!rate)
            return Failure::refusing(Error::Refusal::AmountRate,
                                     {typed[i].rate, std::to_string(i + 1)});
        amounts.push_back({labelOf(label), *rate});
    }
    return amounts;
}

} // namespace velmora::store
