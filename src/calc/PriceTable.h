#pragma once

#include <array>
#include <optional>

namespace velmora::calc {

// Unit prices of the works priced by stremma, chosen by the drawing scale. A scale outside the
// table leaves every price unset.
struct ScalePrices {
    // Tachymetric survey: slope 0-5%, 5-20%, 20-50%, 50-100%, above 100%.
    std::array<std::optional<double>, 5> slope;
    std::optional<double> urban;
};

class PriceTable {
public:
    static ScalePrices forScale(std::optional<double> scale);

    static constexpr double kApportionmentPerKm = 84000;
    static constexpr double kPolygonInsidePlan = 390;
    static constexpr double kPolygonOutsidePlan = 260;
    static constexpr double kRoadAxisPoint = 390;
    static constexpr double kBuildingLinePoint = 104;
    static constexpr double kClassIIIPoint = 10400;
    static constexpr double kClassIVPoint = 4550;
    static constexpr double kForwardIntersection = 1950;
    static constexpr double kResection = 1300;
    static constexpr double kBuildingPoint = 390;
    static constexpr double kHorizontalProperty = 110;
    static constexpr double kPlotCorner = 390;
};

} // namespace velmora::calc
