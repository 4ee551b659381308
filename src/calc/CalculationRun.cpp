#include "calc/CalculationRun.h"

#include "calc/NumberField.h"
#include "calc/PriceTable.h"
#include "calc/ReportFrame.h"
#include "calc/StudyFee.h"
#include "calc/WorkSections.h"
#include "store/Catalogue.h"
#include "store/NumberText.h"
#include "store/ValueFile.h"

#include <algorithm>
#include <cmath>
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
        readZone();
        readLambda();
        const ScalePrices prices = PriceTable::forScale(scale_);

        work(Catalogue::kApportionmentSection,
             WorkSections::apportionment(number(Catalogue::kApportionment), field_));
        work(Catalogue::kTachymetrySection,
             WorkSections::tachymetry(numbers(Catalogue::kTachymetry, 6), prices, field_));
        work(Catalogue::kUrbanSection,
             WorkSections::urban(number(Catalogue::kUrban), prices, field_));
        work(Catalogue::kPolygonometrySection,
             WorkSections::polygonometry(number(Catalogue::kPolygonometry), zone_, field_));
        work(Catalogue::kLinesSection, WorkSections::lines(numbers(Catalogue::kLines, 2), field_));
        work(Catalogue::kTriangulationSection,
             WorkSections::triangulation(numbers(Catalogue::kTriangulation, 4), field_));
        work(Catalogue::kBuildingsSection,
             WorkSections::buildings(number(Catalogue::kBuildings), field_));
        work(Catalogue::kThousandthsSection,
             WorkSections::thousandths(number(Catalogue::kThousandths), field_));
        work(Catalogue::kPlotsSection, WorkSections::plots(number(Catalogue::kPlots), field_));

        readLambda();
        write(Catalogue::kTotalsSection, StudyFee::compute(total_, lambda_).section(field_));

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
        if (file.state == store::FileContents::State::Unreadable) fail(file.problem);
        if (file.state != store::FileContents::State::Read) return std::nullopt;
        return std::move(file.items);
    }

    // The first item of a file as a number, when it can be read as one.
    std::optional<double> firstNumber(std::string_view name) {
        auto read = items(name);
        if (!read || read->empty()) return std::nullopt;
        return NumberText::parse(read->front());
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

    double number(std::string_view name) { return numbers(name, 1)[0]; }
    std::vector<double> numbers(std::string_view name, std::size_t count) {
        return ValueFile::numbersOf(items(name).value_or(std::vector<std::string>{}), count);
    }

    void work(std::string_view section, const WorkSection& result) {
        write(section, result.lines);
        // The total is kept in single precision; a sum that single precision cannot hold is
        // not taken.
        auto sum = NumberText::toSingle(static_cast<double>(total_) + result.amount);
        if (sum) total_ = *sum;
    }

    void write(std::string_view section, const std::vector<std::string>& lines) {
        store::Status written = ValueFile::writeLines(study_, section, lines);
        if (!written) fail(written.message());
    }

    void fail(const std::string& message) {
        auto& failures = outcome_.failures;
        if (std::find(failures.begin(), failures.end(), message) == failures.end())
            failures.push_back(message);
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
