#include "calc/WorkSections.h"

#include "TestFiles.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace velmora::calc {
namespace {

using velmora::testing::PrintTo;
using Lines = std::vector<std::string>;

std::string dashes(int count) {
    return "\t" + std::string(count, '-');
}
ScalePrices at(double scale) {
    return PriceTable::forScale(scale);
}

// The golden study files hold every work's full section; these cases are the figures it does
// not reach. `body` is what follows the ruler, heading and underline; empty for no section.
struct WorkCase {
    const char* name;
    std::function<WorkSection(const NumberField&)> price;
    Lines body;
    double amount;
};

class WorkSectionsTest : public ::testing::TestWithParam<WorkCase> {};

TEST_P(WorkSectionsTest, LinesAndAmountUnderGreekSettings) {
    const WorkCase& c = GetParam();
    const WorkSection section = c.price(NumberField(','));
    EXPECT_DOUBLE_EQ(section.amount, c.amount);
    if (c.body.empty()) {
        EXPECT_EQ(section.lines, Lines{});
        return;
    }
    ASSERT_EQ(section.lines.size(), 3 + c.body.size());
    EXPECT_EQ(section.lines.front(), std::string(83, '-'));
    EXPECT_EQ(Lines(section.lines.begin() + 3, section.lines.end()), c.body);
}

using F = const NumberField&;
INSTANTIATE_TEST_SUITE_P(
    Works, WorkSectionsTest,
    ::testing::Values(
        WorkCase{"TachymetryWithoutElevation",
                 [](F f) {
                     return WorkSections::tachymetry({{10, 0, 0, 0, 2}, 0}, at(500), f);
                 },
                 {"\tΚλίση 0%-5%    10 X 130 = 1300 ", "\tΚλίση   <100%  2 X 286 = 572 ",
                  dashes(39), "\tΣυνολο.............: 1872 "},
                 1872},
        // The surcharge line is only for the option value 1; the total takes the value as read.
        WorkCase{"TachymetryOptionTwo",
                 [](F f) {
                     return WorkSections::tachymetry({{10, 0, 0, 0, 0}, 2}, at(500), f);
                 },
                 {"\tΚλίση 0%-5%    10 X 130 = 1300 ", dashes(39), "\tΣυνολο.............: 2860 "},
                 2860},
        WorkCase{"TachymetryMiddleClassesScale100",
                 [](F f) {
                     return WorkSections::tachymetry({{0, 1, 1, 1, 0}, 0}, at(100), f);
                 },
                 {"\tΚλίση 5%-20%   1 X 728 = 728 ", "\tΚλίση 20%-50%  1 X 988 = 988 ",
                  "\tΚλίση 50%-100% 1 X 1248 = 1248 ", dashes(39), "\tΣυνολο.............: 2964 "},
                 2964},
        WorkCase{"TachymetryZeroAreasWithElevation",
                 [](F f) {
                     return WorkSections::tachymetry({{0, 0, 0, 0, 0}, 1}, at(500), f);
                 },
                 {},
                 0},
        WorkCase{"TachymetryScaleOutsideTable",
                 [](F f) {
                     return WorkSections::tachymetry({{10, 0, 0, 0, 0}, 0}, at(250), f);
                 },
                 {"\tΚλίση 0%-5%    10 X= 0 ", dashes(39), "\tΣυνολο.............: 0 "},
                 0},
        WorkCase{"UrbanScale1000",
                 [](F f) { return WorkSections::urban(3.5, at(1000), f); },
                 {"\tΕμβαδο σε Στρέματα: 3,5 ", "\tΤιμή Μονάδος: 205 ", "\t 3,5 X 205 = 717,5 "},
                 717.5},
        WorkCase{"UrbanScaleOutsideTable",
                 [](F f) { return WorkSections::urban(4, at(250), f); },
                 {"\tΕμβαδο σε Στρέματα: 4 ", "\tΤιμή Μονάδος:", "\t 4 X= 0 "},
                 0},
        WorkCase{"UrbanNegativeStillAdds",
                 [](F f) { return WorkSections::urban(-2, at(500), f); },
                 {},
                 -546},
        WorkCase{"ApportionmentNegativeStillAdds",
                 [](F f) { return WorkSections::apportionment(-1, f); },
                 {},
                 -84000},
        WorkCase{"PolygonOutsidePlan",
                 [](F f) { return WorkSections::polygonometry(4, 0, f); },
                 {"\tΑριθμός Πολυγωνομετρικών σημείων: 4 ", "\tΤιμή Μονάδος: 260 ",
                  "\t 4 X 260 = 1040 "},
                 1040},
        WorkCase{
            "PolygonZoneTwoIsOutside",
            [](F f) { return WorkSections::polygonometry(1, 2, f); },
            {"\tΑριθμός Πολυγωνομετρικών σημείων: 1 ", "\tΤιμή Μονάδος: 260 ", "\t 1 X 260 = 260 "},
            260},
        WorkCase{"PolygonNegativeStillAdds",
                 [](F f) { return WorkSections::polygonometry(-2, 1, f); },
                 {},
                 -780},
        WorkCase{"LinesBothKinds",
                 [](F f) {
                     return WorkSections::lines({3, 0.5}, f);
                 },
                 {"\tΣημεία Άξονα Οδού 3 ", "\tΤιμή Μονάδος: 390 ", "\t 3 X 390 = 1170 ",
                  "\tΣημεία Ρυμοτομικων-Οικοδομικων Γραμμών  ,5 ", "\tΤιμή Μονάδος: 104 ",
                  "\t ,5 X 104 = 52 ", dashes(27), "\tΣΥΝΟΛΟ =  1222 "},
                 1222},
        WorkCase{"LinesNegativeItemCountsInTotalOnly",
                 [](F f) {
                     return WorkSections::lines({-5, 10}, f);
                 },
                 {"\tΣημεία Ρυμοτομικων-Οικοδομικων Γραμμών  10 ", "\tΤιμή Μονάδος: 104 ",
                  "\t 10 X 104 = 1040 ", dashes(27), "\tΣΥΝΟΛΟ = -910 "},
                 -910},
        WorkCase{"LinesNegativeSum",
                 [](F f) {
                     return WorkSections::lines({-5, 3}, f);
                 },
                 {},
                 -1638},
        WorkCase{"TriangulationClassesIIIAndIV",
                 [](F f) {
                     return WorkSections::triangulation({2, 3, 0, 0}, f);
                 },
                 {"\tΤριγωνομετρικά σημεία ΙΙΙ Τάξης 2 ", "\tΤιμή Μονάδος: 10400 ",
                  "\t 2 X 10400 = 20800 ", "\tΤριγωνομετρικά σημεία ΙV Τάξης 3 ",
                  "\tΤιμή Μονάδος: 4550 ", "\t 3 X 4550 = 13650 ", dashes(27),
                  "\tΣΥΝΟΛΟ =  34450 "},
                 34450},
        WorkCase{"TriangulationNone",
                 [](F f) {
                     return WorkSections::triangulation({0, 0, 0, 0}, f);
                 },
                 {},
                 0},
        WorkCase{"BuildingsFractionalPoints",
                 [](F f) { return WorkSections::buildings(2.5, f); },
                 {"\tΙσόδύναμια σε Πολυγωνομετρικά σημεία: 2,5 ", "\tΤιμή Μονάδος: 390 ",
                  "\t 2,5 X 390 = 975 "},
                 975},
        WorkCase{"PlotsFractional",
                 [](F f) { return WorkSections::plots(12.5, f); },
                 {"\tΙσόδύναμια σε Πολυγωνομετρικά σημεία: 12,5 ", "\tΤιμή Μονάδος: 390 ",
                  "\t 12,5 X 390 = 4875 "},
                 4875},
        WorkCase{"ThousandthsZero", [](F f) { return WorkSections::thousandths(0, f); }, {}, 0}),
    [](const auto& row) { return row.param.name; });

TEST(PriceTable, EveryScaleOfTheTableAndNothingOutsideIt) {
    const std::array<double, 7> rows[] = {
        {100, 488, 728, 988, 1248, 1508, 488}, {200, 325, 357, 455, 650, 728, 410},
        {500, 130, 143, 182, 260, 286, 273},   {1000, 65, 71, 91, 130, 143, 205},
        {2000, 33, 36, 45, 65, 71, 137},
    };
    for (const auto& row : rows) {
        const ScalePrices prices = PriceTable::forScale(row[0]);
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(prices.slope[i], row[1 + i]) << "1:" << row[0] << " class " << i;
        EXPECT_EQ(prices.urban, row[6]) << "1:" << row[0];
    }
    for (std::optional<double> other : {std::optional<double>(250), std::optional<double>()}) {
        const ScalePrices prices = PriceTable::forScale(other);
        EXPECT_FALSE(prices.urban || prices.slope[0] || prices.slope[4]);
    }
}

} // namespace
} // namespace velmora::calc
