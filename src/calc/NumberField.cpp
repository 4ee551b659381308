#include "calc/NumberField.h"

#include "store/text/NumberText.h"

namespace velmora::calc {

using store::NumberText;

std::string NumberField::operator()(double value) const {
    return NumberText::signedField(value, NumberText::kDoubleDigits, separator_);
}

std::string NumberField::operator()(std::optional<double> value) const {
    return value ? (*this)(*value) : std::string();
}

std::string NumberField::single(float value) const {
    return NumberText::signedField(value, NumberText::kSingleDigits, separator_);
}

} // namespace velmora::calc
