#include "store/text/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace velmora::store {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string integerText(int value) {
    char buffer[16];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

} // namespace

std::string NumberText::general(double value, int digits, char separator) {
    if (!std::isfinite(value)) return std::string();
    if (value == 0) value = 0; // no "-0"
    digits = std::clamp(digits, 1, 17);

    // The value rounded to `digits` significant digits, as "d.ddde+XX", whatever the C locale.
    char buffer[64];
    auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, digits - 1);
    if (ec != std::errc()) return std::string();
    const char* e = std::find(buffer, end, 'e');
    std::string mantissa;
    for (const char* c = buffer; c != e; ++c)
        if (*c != '.') mantissa += *c;
    int exponent = 0;
    std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);

    // Rounding up can pass the largest double ("1.79769313486232E+308" reads back as overflow):
    // the last digit is then taken towards zero so the text still reads back.
    if (exponent == std::numeric_limits<double>::max_exponent10) {
        std::string text =
            mantissa.substr(0, 1) + '.' + mantissa.substr(1) + 'e' + integerText(exponent);
        double back = 0;
        auto read = std::from_chars(text.data(), text.data() + text.size(), back);
        if (read.ec == std::errc::result_out_of_range || !std::isfinite(back)) {
            for (std::size_t i = mantissa.size(); i-- > 0;) {
                if (mantissa[i] != '0') {
                    --mantissa[i];
                    break;
                }
                mantissa[i] = '9';
            }
        }
    }

    std::string text = value < 0 ? "-" : "";
    if (exponent < -4 || exponent >= digits) {
        // Exponent form: one digit, the rest without trailing zeros, "E", a sign, two digits.
        std::string fraction = mantissa.substr(1);
        fraction.erase(fraction.find_last_not_of('0') + 1);
        text += mantissa[0];
        if (!fraction.empty()) text += separator + fraction;
        text += exponent < 0 ? "E-" : "E+";
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10) text += '0';
        text += integerText(magnitude);
        return text;
    }
    // Plain form, with no zero before the separator: "12.5", ".25", "-.25".
    std::string whole, fraction;
    if (exponent >= 0) {
        whole = mantissa.substr(0, exponent + 1);
        fraction = mantissa.substr(exponent + 1);
    } else {
        fraction = std::string(-exponent - 1, '0') + mantissa;
    }
    fraction.erase(fraction.find_last_not_of('0') + 1);
    if (whole.empty() && fraction.empty()) whole = "0";
    text += whole;
    if (!fraction.empty()) text += separator + fraction;
    return text;
}

std::string NumberText::signedField(double value, int digits, char separator) {
    std::string body = general(value, digits, separator);
    if (body.empty()) return body;
    if (body[0] == '-') return body + ' ';
    return ' ' + body + ' ';
}

std::string NumberText::shown(std::string_view item, int digits, char separator) {
    if (std::all_of(item.begin(), item.end(), isBlank)) return {};
    if (auto value = parse(item)) return general(*value, digits, separator);
    return std::string(item);
}

std::string NumberText::withLeadingZero(std::string text, char separator) {
    const std::size_t at = text.starts_with('-') ? 1 : 0;
    if (text.size() > at && text[at] == separator) text.insert(at, 1, '0');
    return text;
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
