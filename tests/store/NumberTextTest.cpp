#include "store/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <ostream>

namespace velmora::store {
namespace {

struct ParseCase {
    const char* item;
    std::optional<double> value;
};

void PrintTo(const ParseCase& c, std::ostream* os) {
    *os << '"' << c.item << '"';
}

class NumberTextParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(NumberTextParse, ReadsAnItemAsANumber) {
    EXPECT_EQ(NumberText::parse(GetParam().item), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Items, NumberTextParse,
    ::testing::Values(ParseCase{"", 0.0}, ParseCase{"   ", 0.0}, ParseCase{" 12 ", 12.0},
                      ParseCase{"\t7\t", 7.0}, ParseCase{".25", 0.25}, ParseCase{"-.25", -0.25},
                      ParseCase{"+3", 3.0}, ParseCase{"5.", 5.0}, ParseCase{"1E-05", 0.00001},
                      ParseCase{"1.234568E+07", 12345680.0}, ParseCase{"δώδεκα", std::nullopt},
                      ParseCase{"12abc", std::nullopt}, ParseCase{"1 2", std::nullopt},
                      ParseCase{"1.2.3", std::nullopt}, ParseCase{"12,5", std::nullopt},
                      ParseCase{".", std::nullopt}, ParseCase{"-", std::nullopt},
                      ParseCase{"1E", std::nullopt}, ParseCase{"inf", std::nullopt},
                      ParseCase{"0x10", std::nullopt}, ParseCase{"1E999", std::nullopt}));

TEST(NumberText, NarrowingRoundsHalfToEvenAndRefusesWhatDoesNotFit) {
    EXPECT_EQ(NumberText::toInt16(1.4), 1);
    EXPECT_EQ(NumberText::toInt16(0.5), 0);
    EXPECT_EQ(NumberText::toInt16(1.5), 2);
    EXPECT_EQ(NumberText::toInt16(2.5), 2);
    EXPECT_EQ(NumberText::toInt16(-32768), -32768);
    EXPECT_FALSE(NumberText::toInt16(32768).has_value());
    EXPECT_FALSE(NumberText::toInt16(std::nan("")).has_value());
    EXPECT_EQ(NumberText::toSingle(8400717.5), 8400718.0f);
    EXPECT_FALSE(NumberText::toSingle(1e39).has_value());
}

} // namespace
} // namespace velmora::store
