#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::store {

// Numbers as the program writes and reads them in text: the general format (no grouping, no
// trailing zeros, no zero before the separator of a value between -1 and 1, exponent form where
// the digits do not suffice) and the reading of a value-file item as a number.
class NumberText {
public:
    // Significant digits of a double and of a single-precision value.
    static constexpr int kDoubleDigits = 15;
    static constexpr int kSingleDigits = 7;

    // The value in general format with at most `digits` significant digits: "12.5", ".25",
    // "-.25", "1.234568E+07", "1E-05". `separator` replaces the decimal point.
    static std::string general(double value, int digits, char separator = '.');

    // A space for a value of zero or more, a minus sign for a negative one, the value in general
    // format, then a space.
    static std::string signedField(double value, int digits, char separator = '.');

    // An item as a box or a label shows it: one that reads as a number in general format with
    // `separator`, any other as it is stored, a blank one as nothing.
    static std::string shown(std::string_view item, int digits, char separator);
    // A box or a label reads better with the zero that value files leave out: "0,85", not ",85".
    static std::string withLeadingZero(std::string text, char separator);

    // The item's text as a number: surrounding blanks are ignored and an empty item is 0; text
    // that is not a number gives nothing.
    static std::optional<double> parse(std::string_view item);

    // Conversions of a number read to the narrower types some files hold; nothing when the value
    // does not fit. Whole numbers round half to even.
    static std::optional<std::int16_t> toInt16(double value);
    static std::optional<float> toSingle(double value);
};

} // namespace velmora::store
