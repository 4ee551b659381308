#include "calc/CalculationRun.h"

#include "calc/NumberField.h"
#include "calc/PriceTable.h"
#include "calc/ReportFrame.h"
#include "calc/ReportLock.h"
#include "calc/StudyFee.h"
#include "calc/WorkSections.h"
#include "store/base/Catalogue.h"
#include "store/files/ValueFile.h"
#include "store/study/Study.h"
#include "store/study/WorkSelection.h"
#include "store/text/NumberText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace velmora::calc {
namespace {

using store::Catalogue;
using store::NumberText;
using store::Study;
using store::ValueFile;
using store::Work;
using Warning = CalculationRun::Warning;

class Run {
public:
    Run(const std::filesystem::path& study, char separator) : study_(study), field_(separator) {}

    CalculationRun::Outcome operator()() {
        scale_ = told(study_.scale()).maybe();
        if (!scale_ || !(*scale_ > 0))
            warn(quoting(Warning::Kind::ScaleNotPositive, Catalogue::kScale, study_.scaleItem()));
        readZone();
        readLambda();
        const ScalePrices prices = PriceTable::forScale(scale_);

        work(Work::Apportionment, Catalogue::kApportionmentSection,
             WorkSections::apportionment(quantity(Work::Apportionment), field_));
        const store::Tachymetry survey =
            store::Tachymetry::of(quantities(Work::Tachymetry, store::Tachymetry::kSlopes));
        if (survey.elevation != 0 && survey.elevation != 1)
            warn({.kind = Warning::Kind::ElevationOption,
                  .file = std::string(Study::fileOf(Work::Tachymetry).name),
                  .number = text(survey.elevation),
                  .factor = text(1 + 0.6 * survey.elevation)});
        work(Work::Tachymetry, Catalogue::kTachymetrySection,
             WorkSections::tachymetry(survey, prices, field_));
        work(Work::Urban, Catalogue::kUrbanSection,
             WorkSections::urban(quantity(Work::Urban), prices, field_));
        work(Work::Polygonometry, Catalogue::kPolygonometrySection,
             WorkSections::polygonometry(quantity(Work::Polygonometry), zone_, field_));
        work(Work::Lines, Catalogue::kLinesSection,
             WorkSections::lines(quantities(Work::Lines), field_));
        work(Work::Triangulation, Catalogue::kTriangulationSection,
             WorkSections::triangulation(quantities(Work::Triangulation), field_));
        work(Work::Buildings, Catalogue::kBuildingsSection,
             WorkSections::buildings(quantity(Work::Buildings), field_));
        work(Work::Thousandths, Catalogue::kThousandthsSection,
             WorkSections::thousandths(quantity(Work::Thousandths), field_));
        work(Work::Plots, Catalogue::kPlotsSection,
             WorkSections::plots(quantity(Work::Plots), field_));

        readLambda();
        if (!store::WorkSelection::lambdaOf(told(study_.lambdaItem()).valueOr(""))) {
            Warning warning =
                quoting(Warning::Kind::LambdaNotPositive, Catalogue::kLambda, study_.lambdaItem());
            warning.number = text(lambda_, NumberText::kSingleDigits);
            warn(std::move(warning));
        }
        const StudyFee fee = StudyFee::compute(total_, lambda_, amounts());
        if (!fee.feeFits)
            warn({.kind = Warning::Kind::FeeTooLarge,
                  .file = std::string(Catalogue::kTotalsSection)});
        write(Catalogue::kTotalsSection, fee.section(field_));

        ReportFrame frame;
        if (auto details = told(study_.details())) frame.details = details->fields();
        readZone();
        frame.scale = scale_;
        frame.lambda = lambda_;
        frame.zone = zone_;
        write(Catalogue::kHeadSection, frame.head(field_));
        write(Catalogue::kFootSection, frame.foot());
        return std::move(outcome_);
    }

private:
    // What a read gave. A file that is there but cannot be read is told, once, and counts as
    // missing. A missing or empty file is passed over; so is a stored item that is no number,
    // which the warnings of the scale and λ quote, and which puts a zone outside the plan.
    template <class T> const store::Result<T>& told(const store::Result<T>& read) {
        using Kind = store::Error::Kind;
        if (!read) {
            const Kind kind = read.error().kind;
            if (kind != Kind::NotFound && kind != Kind::Short && kind != Kind::Refused)
                fail(read.error());
        }
        return read;
    }

    // Reads that fail keep what the variable held before.
    void readZone() {
        if (auto zone = told(study_.roundedZone())) zone_ = *zone;
    }
    void readLambda() {
        if (auto lambda = told(study_.lambda())) lambda_ = *lambda;
    }

    // The study's statutory amounts; none when their file cannot be read, which is told.
    std::vector<store::StatutoryAmount> amounts() {
        auto read = study_.amounts();
        if (!read) {
            fail(read.error());
            return {};
        }
        for (const store::StatutoryAmounts::Fault& fault : read->faults)
            warn({.kind = Warning::Kind::Amount,
                  .file = std::string(Catalogue::kAmounts),
                  .amount = fault});
        return std::move(read->amounts);
    }

    double quantity(Work work) { return quantities(work)[0]; }

    // The numbers of a work file; the first `checked` of them are quantities, which the report
    // only shows when they are above 0.
    std::vector<double> quantities(Work work, std::size_t checked = SIZE_MAX) {
        const Study::WorkFile& file = Study::fileOf(work);
        const std::vector<std::string> items = told(study_.workItems(work)).valueOr({});
        std::vector<double> values = ValueFile::numbersOf(items, file.items);
        // An empty box is 0 by design; a word, or a number written in a way the reading rules do
        // not take, is 0 as well, but the user meant something by it.
        for (std::size_t i = 0; i < items.size() && i < file.items; ++i)
            if (!NumberText::parse(items[i]))
                warn({.kind = Warning::Kind::NotANumber,
                      .file = std::string(file.name),
                      .item = items[i],
                      .position = i + 1});
        for (std::size_t i = 0; i < values.size() && i < checked; ++i)
            if (values[i] < 0)
                warn({.kind = Warning::Kind::Negative,
                      .file = std::string(file.name),
                      .number = text(values[i]),
                      .position = i + 1});
        return values;
    }

    void work(Work work, std::string_view section, const WorkSection& result) {
        write(section, result.lines);
        // The total is kept in single precision; a sum that single precision cannot hold is
        // not taken.
        auto sum = NumberText::toSingle(static_cast<double>(total_) + result.amount);
        if (sum)
            total_ = *sum;
        else
            warn({.kind = Warning::Kind::WorkTooLarge,
                  .file = std::string(Study::fileOf(work).name)});
    }

    void write(std::string_view section, const std::vector<std::string>& lines) {
        store::Status written = ValueFile::writeLines(study_.folder(), section, lines);
        if (!written) fail(written.error());
    }

    void fail(const store::Error& error) {
        auto& failures = outcome_.failures;
        if (std::find(failures.begin(), failures.end(), error) == failures.end())
            failures.push_back(error);
    }

    void warn(Warning warning) { outcome_.warnings.push_back(std::move(warning)); }

    // A number of a warning, written as the report writes it.
    std::string text(double value, int digits = NumberText::kDoubleDigits) const {
        return NumberText::general(value, digits, field_.separator());
    }

    // A warning that quotes the first item of its file, or says why there is none.
    static Warning quoting(Warning::Kind kind, std::string_view file,
                           const store::Result<std::string>& item) {
        Warning warning{.kind = kind, .file = std::string(file)};
        if (item)
            warning.item = *item;
        else
            warning.quoted = item.error().kind == store::Error::Kind::Short
                                 ? Warning::Quoted::EmptyFile
                                 : Warning::Quoted::NoFile;
        return warning;
    }

    Study study_;
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
    // Held to the last section, so that no report is read half of one run and half of another.
    const store::FileLock lock = ReportLock::forWriting(study);
    if (!lock.status()) {
        Outcome refused;
        refused.failures.push_back(ReportLock::problem(study, lock.status().error()));
        return refused;
    }
    return Run(study, decimalSeparator)();
}

} // namespace velmora::calc
