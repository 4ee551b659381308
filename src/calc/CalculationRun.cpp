#include "calc/CalculationRun.h"

#include "calc/NumberField.h"
#include "calc/PriceTable.h"
#include "calc/ReportFrame.h"
#include "calc/StudyFee.h"
#include "calc/WorkSections.h"
#include "store/Catalogue.h"
#include "store/NumberText.h"
#include "store/ValueFile.h"
#include "store/WorkSelection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace velmora::calc {
namespace {

using store::Catalogue;
using store::NumberText;
using store::ValueFile;

class Run {
public:
    Run(const std::filesystem::path& study, char separator) : study_(study), field_(separator) {}

    CalculationRun::Outcome operator()() {
        scale_ = firstNumber(Catalogue::kScale);
        if (!scale_ || !(*scale_ > 0))
            warn(Catalogue::kScale, "η κλίμακα δεν είναι θετικός αριθμός (" +
                                        shown(Catalogue::kScale) +
                                        "), οπότε οι ταχυμετρικές και οι αστικές αποτυπώσεις "
                                        "δεν έχουν τιμή μονάδος.");
        readZone();
        readLambda();
        const ScalePrices prices = PriceTable::forScale(scale_);

        work(Catalogue::kApportionment, Catalogue::kApportionmentSection,
             WorkSections::apportionment(quantity(Catalogue::kApportionment), field_));
        const std::vector<double> survey = quantities(Catalogue::kTachymetry, 6, 5);
        if (survey[5] != 0 && survey[5] != 1)
            warn(Catalogue::kTachymetry,
                 "η επιλογή υψομετρίας (θέση 6) είναι " + text(survey[5]) +
                     " αντί για 0 ή 1, οπότε το ποσό των ταχυμετρικών αποτυπώσεων "
                     "πολλαπλασιάζεται με " +
                     text(1 + 0.6 * survey[5]) + " χωρίς γραμμή υψομετρίας στην έκθεση.");
        work(Catalogue::kTachymetry, Catalogue::kTachymetrySection,
             WorkSections::tachymetry(survey, prices, field_));
        work(Catalogue::kUrban, Catalogue::kUrbanSection,
             WorkSections::urban(quantity(Catalogue::kUrban), prices, field_));
        work(Catalogue::kPolygonometry, Catalogue::kPolygonometrySection,
             WorkSections::polygonometry(quantity(Catalogue::kPolygonometry), zone_, field_));
        work(Catalogue::kLines, Catalogue::kLinesSection,
             WorkSections::lines(quantities(Catalogue::kLines, 2), field_));
        work(Catalogue::kTriangulation, Catalogue::kTriangulationSection,
             WorkSections::triangulation(quantities(Catalogue::kTriangulation, 4), field_));
        work(Catalogue::kBuildings, Catalogue::kBuildingsSection,
             WorkSections::buildings(quantity(Catalogue::kBuildings), field_));
        work(Catalogue::kThousandths, Catalogue::kThousandthsSection,
             WorkSections::thousandths(quantity(Catalogue::kThousandths), field_));
        work(Catalogue::kPlots, Catalogue::kPlotsSection,
             WorkSections::plots(quantity(Catalogue::kPlots), field_));

        readLambda();
        if (!store::WorkSelection::lambdaOf(firstItem(Catalogue::kLambda).value_or("")))
            warn(Catalogue::kLambda, "ο συντελεστής λ δεν είναι θετικός αριθμός (" +
                                         shown(Catalogue::kLambda) +
                                         "), οπότε η αμοιβή μελέτης υπολογίστηκε με λ = " +
                                         text(lambda_, NumberText::kSingleDigits) + ".");
        const StudyFee fee = StudyFee::compute(total_, lambda_);
        if (!fee.feeFits)
            warn(Catalogue::kTotalsSection,
                 "η αμοιβή μελέτης (γενικό σύνολο επί λ) είναι πολύ μεγάλη για τον υπολογισμό "
                 "και γράφεται 0, όπως και τα ποσά που βγαίνουν από αυτήν.");
        write(Catalogue::kTotalsSection, fee.section(field_));

        ReportFrame frame;
        if (auto details = items(Catalogue::kDetails))
            for (std::size_t i = 0; i < frame.details.size() && i < details->size(); ++i)
                frame.details[i] = (*details)[i];
        readZone();
        frame.scale = scale_;
        frame.lambda = lambda_;
        frame.zone = zone_;
        write(Catalogue::kHeadSection, frame.head(field_));
        write(Catalogue::kFootSection, frame.foot());
        return std::move(outcome_);
    }

private:
    // The items of a value file; one that is there but cannot be read is told, once, and counts
    // as missing.
    std::optional<std::vector<std::string>> items(std::string_view name) {
        store::FileContents file = ValueFile::load(study_, name);
        if (file.state == store::FileContents::State::Unreadable) fail(file.error);
        if (file.state != store::FileContents::State::Read) return std::nullopt;
        return std::move(file.items);
    }

    // The first item of a file, when it can be read and holds one.
    std::optional<std::string> firstItem(std::string_view name) {
        auto read = items(name);
        if (!read || read->empty()) return std::nullopt;
        return std::move(read->front());
    }

    // The first item of a file as a number, when it can be read as one.
    std::optional<double> firstNumber(std::string_view name) {
        auto item = firstItem(name);
        if (!item) return std::nullopt;
        return NumberText::parse(*item);
    }

    // Reads that fail keep what the variable held before.
    void readZone() {
        if (auto value = firstNumber(Catalogue::kZone))
            if (auto narrow = NumberText::toInt16(*value)) zone_ = *narrow;
    }
    void readLambda() {
        if (auto value = firstNumber(Catalogue::kLambda))
            if (auto narrow = NumberText::toSingle(*value)) lambda_ = *narrow;
    }

    double quantity(std::string_view name) { return quantities(name, 1)[0]; }

    // The first `count` numbers of a work file; the first `checked` of them are quantities,
    // which the report only shows when they are above 0.
    std::vector<double> quantities(std::string_view name, std::size_t count,
                                   std::size_t checked = SIZE_MAX) {
        std::vector<double> values =
            ValueFile::numbersOf(items(name).value_or(std::vector<std::string>{}), count);
        for (std::size_t i = 0; i < count && i < checked; ++i)
            if (values[i] < 0)
                warn(name, "αρνητική ποσότητα " + text(values[i]) + " στη θέση " +
                               std::to_string(i + 1) +
                               ". Η έκθεση δεν δείχνει αρνητικές ποσότητες, οπότε τα ποσά της "
                               "δεν συμφωνούν με το σύνολο.");
        return values;
    }

    void work(std::string_view file, std::string_view section, const WorkSection& result) {
        write(section, result.lines);
        // The total is kept in single precision; a sum that single precision cannot hold is
        // not taken.
        auto sum = NumberText::toSingle(static_cast<double>(total_) + result.amount);
        if (sum)
            total_ = *sum;
        else
            warn(file, "το ποσό της εργασίας είναι πολύ μεγάλο για τον υπολογισμό και έμεινε "
                       "έξω από το γενικό σύνολο.");
    }

    void write(std::string_view section, const std::vector<std::string>& lines) {
        store::Status written = ValueFile::writeLines(study_, section, lines);
        if (!written) fail(written.error());
    }

    void fail(const store::Error& error) {
        auto& failures = outcome_.failures;
        if (std::find(failures.begin(), failures.end(), error) == failures.end())
            failures.push_back(error);
    }

    void warn(std::string_view file, const std::string& what) {
        outcome_.warnings.push_back(std::string(file) + ": " + what);
    }

    // A number of a warning, written as the report writes it.
    std::string text(double value, int digits = NumberText::kDoubleDigits) const {
        return NumberText::general(value, digits, field_.separator());
    }

    // The first item of a file as a warning quotes it.
    std::string shown(std::string_view name) const {
        auto read = ValueFile::read(study_, name);
        if (!read) return "το αρχείο λείπει ή δεν διαβάζεται";
        if (read->empty()) return "το αρχείο είναι κενό";
        return "«" + read->front() + "»";
    }

    std::filesystem::path study_;
    NumberField field_;
    std::optional<double> scale_;
    std::int16_t zone_ = 0;
    float lambda_ = 0;
    float total_ = 0;
    CalculationRun::Outcome outcome_;
};

} // namespace

CalculationRun::Outcome CalculationRun::run(const std::filesystem::path& study,
                                            char decimalSeparator) {
    return Run(study, decimalSeparator)();
}

} // namespace velmora::calc
