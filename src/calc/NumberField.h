#pragma once

#include <optional>
#include <string>

namespace velmora::calc {

// How the report writes a number: a space or a minus sign, the value in general format with the
// regional decimal separator, and a space. An unset value writes nothing at all.
class NumberField {
public:
    explicit NumberField(char decimalSeparator) : separator_(decimalSeparator) {}

    // Up to 15 significant digits.
    std::string operator()(double value) const;
    std::string operator()(std::optional<double> value) const;
    // Up to 7 significant digits.
    std::string single(float value) const;

    char separator() const { return separator_; }

private:
    char separator_;
};

} // namespace velmora::calc
