#pragma once

#include "calc/NumberField.h"
#include "calc/PriceTable.h"
#include "store/study/Study.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velmora::calc {

// One work's report section and the amount it adds to the running total. `lines` is empty when
// the work's quantities do not call for a section.
struct WorkSection {
    std::vector<std::string> lines;
    double amount = 0;
};

// The nine works, each priced from its quantities as read from its work file.
class WorkSections {
public:
    // Apportionment acts by total length of plot fronts, in kilometres.
    static WorkSection apportionment(double length, const NumberField& field);
    static WorkSection tachymetry(const store::Tachymetry& survey, const ScalePrices& prices,
                                  const NumberField& field);
    static WorkSection urban(double area, const ScalePrices& prices, const NumberField& field);
    static WorkSection polygonometry(double points, std::int16_t zone, const NumberField& field);
    // Road-axis points, then street/building-line points.
    static WorkSection lines(const std::vector<double>& values, const NumberField& field);
    // Class III and class IV points, forward intersections, resections.
    static WorkSection triangulation(const std::vector<double>& values, const NumberField& field);
    static WorkSection buildings(double points, const NumberField& field);
    static WorkSection thousandths(double properties, const NumberField& field);
    static WorkSection plots(double corners, const NumberField& field);
};

} // namespace velmora::calc
