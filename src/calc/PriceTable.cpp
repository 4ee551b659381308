#include "calc/PriceTable.h"

namespace velmora::calc {
namespace {

struct Row {
    double scale;
    double prices[6];
};

constexpr Row kRows[] = {
    {100, {488, 728, 988, 1248, 1508, 488}}, {200, {325, 357, 455, 650, 728, 410}},
    {500, {130, 143, 182, 260, 286, 273}},   {1000, {65, 71, 91, 130, 143, 205}},
    {2000, {33, 36, 45, 65, 71, 137}},
};

} // namespace

ScalePrices PriceTable::forScale(std::optional<double> scale) {
    ScalePrices prices;
    if (!scale) return prices;
    for (const Row& row : kRows) {
        if (row.scale != *scale) continue;
        for (int i = 0; i < 5; ++i)
            prices.slope[i] = row.prices[i];
        prices.urban = row.prices[5];
    }
    return prices;
}

} // namespace velmora::calc
