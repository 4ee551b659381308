#include "calc/StudyFee.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora::calc {
namespace {

using velmora::testing::PrintTo;

struct FeeCase {
    const char* name;
    float runningTotal;
    float lambda;
    float fee;
    // One for each rate.
    std::vector<double> amounts;
    double finalTotal;
    std::vector<store::StatutoryAmount> rates = store::StatutoryAmounts::standard();
};

class StudyFeeCompute : public ::testing::TestWithParam<FeeCase> {};

TEST_P(StudyFeeCompute, CutsEveryAmountToHundredths) {
    const FeeCase& c = GetParam();
    const StudyFee fee = StudyFee::compute(c.runningTotal, c.lambda, c.rates);
    EXPECT_EQ(fee.fee, c.fee);
    // Each amount is floor(100 x ...) / 100, so it equals the double nearest its two-decimal text.
    EXPECT_EQ(fee.amounts, c.amounts);
    EXPECT_EQ(fee.finalTotal, c.finalTotal);
}

INSTANTIATE_TEST_SUITE_P(
    Fees, StudyFeeCompute,
    ::testing::Values(
        FeeCase{"Zero", 0, 1.15f, 0, {0, 0, 0, 0}, 0},
        FeeCase{"Hundred", 100, 1, 100, {18, 4, 3, 2}, 127},
        // 0.18 x 1234.5 lies just below 222.21; the final total is one hundredth above the sum.
        FeeCase{"FlooredProducts", 1234.5f, 1, 1234.5f, {222.2, 49.38, 37.03, 24.69}, 1567.81},
        // 123456 x 1.15f = 141974.397..., cut to 141974.39, held as the float 141974.390625.
        FeeCase{"SinglePrecisionLambda",
                123456,
                1.15f,
                141974.39f,
                {25555.39, 5678.97, 4259.23, 2839.48},
                180307.47},
        FeeCase{"NoLambda", 5000, 0, 0, {0, 0, 0, 0}, 0},
        FeeCase{"FeeCutNotRounded", 10, 0.99999f, 9.99f, {1.79, 0.39, 0.29, 0.19}, 12.68},
        // 0.24 + 0.04 is 0.27999999999999997 in double, so the total is cut to 1580.16 where
        // the printed amounts add up to 1580.15.
        FeeCase{"TwoRates",
                1234.5f,
                1,
                1234.5f,
                {296.27, 49.38},
                1580.16,
                {{"Φ.Π.Α. 24% = ", 0.24}, {"Φ.Ε.Μ 4% = ", 0.04}}},
        FeeCase{"NoRates", 1234.5f, 1, 1234.5f, {}, 1234.5, {}}),
    [](const auto& row) { return row.param.name; });

TEST(StudyFeeSection, LinesOfTheTotals) {
    const StudyFee fee = StudyFee::compute(1234.5f, 1);
    const std::vector<std::string> expected = {
        std::string(83, '-'),
        "",
        "ΓΕΝΙΚΟ ΣΥΝΟΛΟ...... 1234,5 ",
        std::string(25, '-'),
        "ΑΜΟΙΒΗ ΜΕΛΈΤΗΣ =  1234,5  X  1  =  1234,5 ",
        "\tΦ.Π.Α. 18%     =  222,2 ",
        "\tΦ.Ε.Μ   4%     =  49,38 ",
        "\tΤΣΜΕΔΕ  3% =  37,03 ",
        "\tT.E.E   2%     =  24,69 ",
        "\t" + std::string(31, '-'),
        "\tΣΥΝΟΛΟ.........=  1567,81 ",
        "",
    };
    EXPECT_EQ(fee.section(NumberField(',')), expected);
}

TEST(StudyFeeSection, EachRateIsALineWithItsLabelAsStored) {
    const auto lines =
        StudyFee::compute(1234.5f, 1, {{" Φ.Π.Α. 24% = ", 0.24}}).section(NumberField(','));
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[5], "\t Φ.Π.Α. 24% =  296,27 ");
    EXPECT_EQ(lines[6], "\t" + std::string(31, '-'));
    EXPECT_EQ(lines[7], "\tΣΥΝΟΛΟ.........=  1530,78 ");
}

TEST(StudyFeeSection, TotalLambdaAndFeeHaveSevenDigitsTheAmountsFifteen) {
    const auto lines = StudyFee::compute(123456, 1.15f).section(NumberField(','));
    ASSERT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines[2], "ΓΕΝΙΚΟ ΣΥΝΟΛΟ...... 123456 ");
    EXPECT_EQ(lines[4], "ΑΜΟΙΒΗ ΜΕΛΈΤΗΣ =  123456  X  1,15  =  141974,4 ");
    EXPECT_EQ(lines[5], "\tΦ.Π.Α. 18%     =  25555,39 ");
    EXPECT_EQ(lines[10], "\tΣΥΝΟΛΟ.........=  180307,47 ");
}

} // namespace
} // namespace velmora::calc
