#pragma once

#include <array>
#include <string_view>

namespace velmora::store {

// The name of every file the program keeps, in one place.
struct Catalogue {
    // Installation folder.
    static constexpr std::string_view kPointer = "temp.dat";
    static constexpr std::string_view kDefaultLambda = "l.dat";
    static constexpr std::string_view kDefaultAmounts = "kratiseis.dat";
    static constexpr std::string_view kStudies = "ergasies.dat";
    static constexpr std::string_view kStudiesScratch = "erga.dat";
    static constexpr std::string_view kStudyIndex = "temp1.dat";
    static constexpr std::string_view kEngineers = "mix.dat";
    static constexpr std::string_view kEngineersScratch = "mix1.dat";

    // Study folder: details, coefficient and choices.
    static constexpr std::string_view kDetails = "stoixeia.dat";
    static constexpr std::string_view kLambda = "l.dat";
    static constexpr std::string_view kZone = "entos.dat";
    static constexpr std::string_view kSpecialty = "eid.dat";
    static constexpr std::string_view kScale = "klimaka.dat";
    // The statutory amounts: a label and a rate each. A study without the file has the four of
    // old.
    static constexpr std::string_view kAmounts = "kratiseis.dat";

    // Study folder: work files.
    static constexpr std::string_view kTriangulation = "trig.dat";
    static constexpr std::string_view kPolygonometry = "polygon.dat";
    static constexpr std::string_view kTachymetry = "taxi.dat";
    static constexpr std::string_view kUrban = "asti.dat";
    static constexpr std::string_view kApportionment = "analog.dat";
    static constexpr std::string_view kLines = "rymotom.dat";
    static constexpr std::string_view kThousandths = "xilosta.dat";
    static constexpr std::string_view kPlots = "oix.dat";
    static constexpr std::string_view kBuildings = "them.dat";

    // Study folder: report sections.
    static constexpr std::string_view kHeadSection = "arxi1.dat";
    static constexpr std::string_view kTriangulationSection = "trig1.dat";
    static constexpr std::string_view kPolygonometrySection = "polygon1.dat";
    static constexpr std::string_view kTachymetrySection = "taxi1.dat";
    static constexpr std::string_view kUrbanSection = "asti1.dat";
    static constexpr std::string_view kLinesSection = "rymotom1.dat";
    static constexpr std::string_view kApportionmentSection = "analog1.dat";
    static constexpr std::string_view kPlotsSection = "oix1.dat";
    static constexpr std::string_view kBuildingsSection = "them1.dat";
    static constexpr std::string_view kThousandthsSection = "xilosta1.dat";
    static constexpr std::string_view kTotalsSection = "synola.dat";
    static constexpr std::string_view kFootSection = "telos.dat";

    // Held by the calculation while it writes the sections and by the readers of the report
    // while they read them; the file is this name with ".lock" after it.
    static constexpr std::string_view kReportLock = "ekthesi";

    // The order in which the report joins its sections.
    static constexpr std::array<std::string_view, 12> kReportOrder = {
        kHeadSection,      kTriangulationSection, kPolygonometrySection, kTachymetrySection,
        kUrbanSection,     kLinesSection,         kApportionmentSection, kPlotsSection,
        kBuildingsSection, kThousandthsSection,   kTotalsSection,        kFootSection,
    };
};

} // namespace velmora::store
