#include "calc/WorkSections.h"

#include "calc/SectionLines.h"

#include <string_view>

namespace velmora::calc {
namespace {

constexpr std::string_view kUnitPrice = "Τιμή Μονάδος:";

// The form shared by the works that count one kind of unit.
WorkSection singleItem(double count, double price, std::string_view heading,
                       std::string_view quantityLabel, const NumberField& field) {
    WorkSection section;
    section.amount = count * price;
    if (!(count > 0)) return section;
    SectionLines out(field);
    out.ruler();
    out.tabbed(heading);
    out.underline(28);
    out.labelled(quantityLabel, count);
    out.labelled(kUnitPrice, price);
    out.product(count, price, section.amount);
    section.lines = out.take();
    return section;
}

struct Item {
    std::string_view label;
    double price;
};

// The form shared by the works that count several kinds of unit.
template <std::size_t N>
WorkSection multiItem(const std::vector<double>& counts, const std::array<Item, N>& items,
                      std::string_view heading, int underline, const NumberField& field) {
    WorkSection section;
    double sum = 0;
    for (std::size_t i = 0; i < N; ++i) {
        section.amount += counts[i] * items[i].price;
        sum += counts[i];
    }
    if (!(sum > 0)) return section;
    SectionLines out(field);
    out.ruler();
    out.tabbed(heading);
    out.underline(underline);
    for (std::size_t i = 0; i < N; ++i) {
        if (!(counts[i] > 0)) continue;
        out.labelled(items[i].label, counts[i]);
        out.labelled(kUnitPrice, items[i].price);
        out.product(counts[i], items[i].price, counts[i] * items[i].price);
    }
    out.underline(27);
    out.labelled("ΣΥΝΟΛΟ = ", section.amount);
    section.lines = out.take();
    return section;
}

} // namespace

WorkSection WorkSections::apportionment(double length, const NumberField& field) {
    WorkSection section;
    section.amount = length * PriceTable::kApportionmentPerKm;
    if (!(length > 0)) return section;
    SectionLines out(field);
    out.ruler();
    out.tabbed("ΣΥΝΤΑΞΗ ΠΙΝΑΚΑ ΑΝΑΛΟΓΙΣΜΟΥ");
    out.underline(26);
    out.labelled("Μήκος σε Χιλιόμετρα :", length);
    out.tabbed("Τιμή Μονάδος : 84000");
    out.plain("\t" + field(length) + "X 84000 = " + field(section.amount));
    section.lines = out.take();
    return section;
}

WorkSection WorkSections::tachymetry(const store::Tachymetry& survey, const ScalePrices& prices,
                                     const NumberField& field) {
    const auto& values = survey.slopes;
    static constexpr std::string_view kLabels[5] = {
        "Κλίση 0%-5%   ", "Κλίση 5%-20%  ", "Κλίση 20%-50% ", "Κλίση 50%-100%", "Κλίση   <100% ",
    };
    WorkSection section;
    double areaSum = 0;
    for (int i = 0; i < 5; ++i)
        areaSum += values[i];
    // Nothing is added unless the section is written.
    if (!(areaSum > 0)) return section;

    SectionLines out(field);
    out.ruler();
    out.tabbed("ΤΑΧΥΜΕΤΡΙΚΕΣ ΑΠΟΤΥΠΩΣΕΙΣ ΣΤΗΝ ΥΠΑΙΘΡΟ");
    out.underline(37);
    double sum = 0;
    for (int i = 0; i < 5; ++i) {
        double product = prices.slope[i] ? values[i] * *prices.slope[i] : 0;
        sum += product;
        if (values[i] > 0)
            out.plain("\t" + std::string(kLabels[i]) + field(values[i]) + "X" +
                      field(prices.slope[i]) + "=" + field(product));
    }
    out.underline(39);
    const double elevation = survey.elevation;
    if (elevation == 1) {
        out.plain("\tΥΨΟΜΕΤΡΙΑ " + field(sum) + " Χ 60% =" + field(0.6 * sum));
        out.underline(39);
    }
    section.amount = sum + 0.6 * (elevation * sum);
    out.labelled("Συνολο.............:", section.amount);
    section.lines = out.take();
    return section;
}

WorkSection WorkSections::urban(double area, const ScalePrices& prices, const NumberField& field) {
    WorkSection section;
    section.amount = prices.urban ? area * *prices.urban : 0;
    if (!(area > 0)) return section;
    SectionLines out(field);
    out.ruler();
    out.tabbed("ΑΠΟΤΥΠΩΣΕΙΣ ΑΣΤΙΚΩΝ ΠΕΡΙΟΧΩΝ");
    out.underline(28);
    out.labelled("Εμβαδο σε Στρέματα:", area);
    out.labelled(kUnitPrice, prices.urban);
    out.product(area, prices.urban, section.amount);
    section.lines = out.take();
    return section;
}

WorkSection WorkSections::polygonometry(double points, std::int16_t zone,
                                        const NumberField& field) {
    double price = zone == 1 ? PriceTable::kPolygonInsidePlan : PriceTable::kPolygonOutsidePlan;
    return singleItem(points, price, "ΠΟΛΥΓΩΝΟΜΕΤΡΙΚΑ ΣΗΜΕΙΑ",
                      "Αριθμός Πολυγωνομετρικών σημείων:", field);
}

WorkSection WorkSections::lines(const std::vector<double>& values, const NumberField& field) {
    static constexpr std::array<Item, 2> kItems = {{
        {"Σημεία Άξονα Οδού", PriceTable::kRoadAxisPoint},
        {"Σημεία Ρυμοτομικων-Οικοδομικων Γραμμών ", PriceTable::kBuildingLinePoint},
    }};
    return multiItem(values, kItems, "ΡΥΜΟΤΟΜΙΚΕΣ-ΟΙΚΟΔΟΜΙΚΕΣ ΓΡΑΜΜΕΣ", 31, field);
}

WorkSection WorkSections::triangulation(const std::vector<double>& values,
                                        const NumberField& field) {
    static constexpr std::array<Item, 4> kItems = {{
        {"Τριγωνομετρικά σημεία ΙΙΙ Τάξης", PriceTable::kClassIIIPoint},
        {"Τριγωνομετρικά σημεία ΙV Τάξης", PriceTable::kClassIVPoint},
        {"Εμπροσθοτομία", PriceTable::kForwardIntersection},
        {"Οπισθοτομία", PriceTable::kResection},
    }};
    return multiItem(values, kItems, "      TΡΙΓΩΝΙΣΜΟΣ", 24, field);
}

WorkSection WorkSections::buildings(double points, const NumberField& field) {
    return singleItem(points, PriceTable::kBuildingPoint, "      Xάραξη Κτιρίων",
                      "Ισόδύναμια σε Πολυγωνομετρικά σημεία:", field);
}

WorkSection WorkSections::thousandths(double properties, const NumberField& field) {
    return singleItem(properties, PriceTable::kHorizontalProperty, "     Κατανομή Χιλιοστών",
                      "Αριθμός Οριζοντίων ιδιοκτησιών:", field);
}

WorkSection WorkSections::plots(double corners, const NumberField& field) {
    return singleItem(corners, PriceTable::kPlotCorner, "     Xάραξη Οικοπέδων",
                      "Ισόδύναμια σε Πολυγωνομετρικά σημεία:", field);
}

} // namespace velmora::calc
