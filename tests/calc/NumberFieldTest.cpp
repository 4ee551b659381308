#include "calc/NumberField.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace velmora::calc {
namespace {

enum class Precision { Double, Single };

struct FieldCase {
    double value;
    Precision precision;
    std::string comma;
    std::string point;
};

void PrintTo(const FieldCase& c, std::ostream* os) {
    *os << (c.precision == Precision::Single ? "single" : "double") << " \"" << c.point << '"';
}

class NumberFieldTest : public ::testing::TestWithParam<FieldCase> {
protected:
    static std::string write(const NumberField& field, const FieldCase& c) {
        return c.precision == Precision::Single ? field.single(static_cast<float>(c.value))
                                                : field(c.value);
    }
};

TEST_P(NumberFieldTest, UnderBothSeparators) {
    const FieldCase& c = GetParam();
    EXPECT_EQ(write(NumberField(','), c), c.comma) << c.value;
    EXPECT_EQ(write(NumberField('.'), c), c.point) << c.value;
}

constexpr Precision D = Precision::Double;
constexpr Precision S = Precision::Single;

INSTANTIATE_TEST_SUITE_P(
    Values, NumberFieldTest,
    ::testing::Values(FieldCase{0, D, " 0 ", " 0 "}, FieldCase{0, S, " 0 ", " 0 "},
                      FieldCase{12.5, D, " 12,5 ", " 12.5 "},
                      FieldCase{12.5, S, " 12,5 ", " 12.5 "}, FieldCase{0.25, D, " ,25 ", " .25 "},
                      FieldCase{-0.25, D, "-,25 ", "-.25 "},
                      FieldCase{-1234.5, D, "-1234,5 ", "-1234.5 "},
                      FieldCase{12345678, S, " 1,234568E+07 ", " 1.234568E+07 "},
                      FieldCase{12345678, D, " 12345678 ", " 12345678 "},
                      FieldCase{0.00001, D, " 1E-05 ", " 1E-05 "},
                      FieldCase{0.000015, D, " 1,5E-05 ", " 1.5E-05 "},
                      FieldCase{0.00001, S, " 1E-05 ", " 1E-05 "},
                      FieldCase{123456789012345, D, " 123456789012345 ", " 123456789012345 "},
                      FieldCase{1234567890123456, D, " 1,23456789012346E+15 ",
                                " 1.23456789012346E+15 "},
                      // A float widened to double must not show its binary tail.
                      FieldCase{1.15, S, " 1,15 ", " 1.15 "}, FieldCase{0.1, S, " ,1 ", " .1 "},
                      FieldCase{141974.39, S, " 141974,4 ", " 141974.4 "},
                      FieldCase{8400717.5, S, " 8400718 ", " 8400718 "},
                      FieldCase{1123.2, D, " 1123,2 ", " 1123.2 "}));

TEST(NumberField, UnsetValueWritesNothingAtAll) {
    EXPECT_EQ(NumberField(',')(std::optional<double>()), "");
    EXPECT_EQ(NumberField(',')(std::optional<double>(205)), " 205 ");
}

} // namespace
} // namespace velmora::calc
