#include "store/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace velmora::store {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

std::string NumberText::general(double value, int digits, char separator) {
    if (!std::isfinite(value)) return std::string();
    if (value == 0) value = 0; // no "-0"
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", digits, value);
    std::string text(buffer);

    // "0.25" is written ".25" and "-0.25" "-.25".
    std::size_t start = (text[0] == '-') ? 1 : 0;
    if (text.size() > start + 1 && text[start] == '0' && text[start + 1] == '.')
        text.erase(start, 1);
    if (separator != '.')
        for (char& c : text)
            if (c == '.') c = separator;
    return text;
}

std::string NumberText::signedField(double value, int digits, char separator) {
    std::string body = general(value, digits, separator);
    if (body.empty()) return body;
    if (body[0] == '-') return body + ' ';
    return ' ' + body + ' ';
}

std::optional<double> NumberText::parse(std::string_view item) {
    while (!item.empty() && isBlank(item.front()))
        item.remove_prefix(1);
    while (!item.empty() && isBlank(item.back()))
        item.remove_suffix(1);
    if (item.empty()) return 0.0;

    // Sign, digits with at most one point, optional exponent; nothing else (no "inf", no hex).
    std::size_t i = 0;
    bool negative = false;
    if (item[i] == '+' || item[i] == '-') {
        negative = item[i] == '-';
        ++i;
    }
    std::size_t mantissaStart = i;
    std::size_t digitCount = 0;
    bool point = false;
    for (; i < item.size(); ++i) {
        char c = item[i];
        if (c >= '0' && c <= '9') {
            ++digitCount;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (digitCount == 0) return std::nullopt;
    if (i < item.size() && (item[i] == 'E' || item[i] == 'e')) {
        ++i;
        if (i < item.size() && (item[i] == '+' || item[i] == '-')) ++i;
        std::size_t expDigits = 0;
        while (i < item.size() && item[i] >= '0' && item[i] <= '9') {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) return std::nullopt;
    }
    if (i != item.size()) return std::nullopt;

    std::string text(item.substr(mantissaStart));
    if (text[0] == '.') text.insert(text.begin(), '0');
    double value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

std::optional<std::int16_t> NumberText::toInt16(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    double rounded = std::nearbyint(value); // the default rounding mode is half to even
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<float> NumberText::toSingle(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    if (std::fabs(value) > std::numeric_limits<float>::max()) return std::nullopt;
    return static_cast<float>(value);
}

} // namespace velmora::store
