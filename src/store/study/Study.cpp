#include "store/study/Study.h"

#include "store/base/Catalogue.h"
#include "store/base/TextPath.h"
#include "store/files/Failure.h"
#include "store/files/FileName.h"
#include "store/study/Installation.h"
#include "store/text/NumberText.h"

#include <cmath>
#include <system_error>

namespace velmora::store {
namespace {

std::string shownNumber(double value, int digits, char separator) {
    return NumberText::general(value, digits, separator);
}

bool isBlank(std::string_view item) {
    return item.find_first_not_of(" \t") == std::string_view::npos;
}

// An item that reads as a number is shown as one, in the user's format; anything else as it is
// stored, and a blank item as nothing.
std::string numberOrText(std::string_view item, int digits, char separator) {
    if (isBlank(item)) return {};
    if (auto value = NumberText::parse(item)) return shownNumber(*value, digits, separator);
    return std::string(item);
}

// A label or a box reads better with the zero that value files leave out: "0,85", not ",85".
std::string withLeadingZero(std::string text, char separator) {
    const std::size_t at = text.starts_with('-') ? 1 : 0;
    if (text.size() > at && text[at] == separator) text.insert(at, 1, '0');
    return text;
}

// What the calculation reads besides the works.
constexpr std::array<std::string_view, 5> kChoices = {
    Catalogue::kDetails, Catalogue::kScale,   Catalogue::kZone,
    Catalogue::kLambda,  Catalogue::kAmounts,
};

// When a file of the study was last written; nothing when it is not there as a file.
std::optional<std::filesystem::file_time_type> lastWritten(const std::filesystem::path& folder,
                                                           std::string_view name) {
    const std::filesystem::path file = FileName::resolve(folder, name);
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    const auto time = std::filesystem::last_write_time(file, error);
    if (error) return std::nullopt;
    return time;
}

// Whether a read only says that a value is not there yet: the file is missing or short.
bool isAbsent(const Error& error) {
    return error.kind == Error::Kind::NotFound || error.kind == Error::Kind::Short;
}

// The zone as the calculation and the summary take it: rounded to a whole number.
std::optional<std::int16_t> rounded(std::string_view item) {
    auto value = NumberText::parse(item);
    return value ? NumberText::toInt16(*value) : std::nullopt;
}

} // namespace

Result<Study> Study::current(const std::filesystem::path& installation) {
    Result<std::filesystem::path> study = Installation::currentStudy(installation);
    if (!study) return study.error();
    return Study(*study);
}

const std::array<Study::WorkFile, 9>& Study::works() {
    static const std::array<WorkFile, 9> files = {{
        {Work::Apportionment, Catalogue::kApportionment, 1},
        {Work::Tachymetry, Catalogue::kTachymetry, 6},
        {Work::Urban, Catalogue::kUrban, 1},
        {Work::Polygonometry, Catalogue::kPolygonometry, 1},
        {Work::Lines, Catalogue::kLines, 2},
        {Work::Triangulation, Catalogue::kTriangulation, 4},
        {Work::Buildings, Catalogue::kBuildings, 1},
        {Work::Thousandths, Catalogue::kThousandths, 1},
        {Work::Plots, Catalogue::kPlots, 1},
    }};
    return files;
}

const Study::WorkFile& Study::fileOf(Work work) {
    return works()[static_cast<std::size_t>(work)];
}

Result<std::vector<std::string>> Study::items(std::string_view name) const {
    return ValueFile::read(folder_, name);
}

Result<std::string> Study::firstItem(std::string_view name) const {
    auto read = items(name);
    if (!read) return read.error();
    if (read->empty()) return Failure::of(Error::Kind::Short, FileName::resolve(folder_, name));
    return std::move(read->front());
}

Result<std::vector<std::string>> Study::details() const {
    return items(Catalogue::kDetails);
}

Result<std::string> Study::lambdaItem() const {
    return firstItem(Catalogue::kLambda);
}

// The first item of a file read by `read`; an item it does not take is refused.
template <class T, class Read> Result<T> Study::numberOf(std::string_view name, Read read) const {
    auto item = firstItem(name);
    if (!item) return item.error();
    std::optional<T> value = read(*item);
    if (!value)
        return Failure::refusing(Error::Refusal::StoredNotANumber, {std::string(name), *item},
                                 FileName::resolve(folder_, name));
    return *value;
}

Result<float> Study::lambda() const {
    return numberOf<float>(Catalogue::kLambda, [](std::string_view item) {
        auto value = NumberText::parse(item);
        return value ? NumberText::toSingle(*value) : std::nullopt;
    });
}

Result<std::string> Study::scaleItem() const {
    return firstItem(Catalogue::kScale);
}

Result<double> Study::scale() const {
    return numberOf<double>(Catalogue::kScale, NumberText::parse);
}

Result<std::string> Study::zoneItem() const {
    return firstItem(Catalogue::kZone);
}

Result<bool> Study::equalsInside() const {
    auto item = zoneItem();
    if (!item) return item.error();
    auto value = NumberText::parse(*item);
    return value && *value == 1;
}

Result<std::int16_t> Study::roundedZone() const {
    return numberOf<std::int16_t>(Catalogue::kZone, rounded);
}

Result<int> Study::specialtyCode() const {
    // A code is rounded to a whole number, as the zone is.
    return numberOf<int>(Catalogue::kSpecialty, [](std::string_view item) -> std::optional<int> {
        if (auto code = rounded(item)) return *code;
        return std::nullopt;
    });
}

Result<std::vector<std::string>> Study::workItems(Work work) const {
    auto read = items(fileOf(work).name);
    if (!read && isAbsent(read.error())) return std::vector<std::string>{};
    return read;
}

Result<std::vector<double>> Study::quantities(Work work, ValueFile::OnFault onFault) const {
    auto read = workItems(work);
    if (!read) return read.error();
    return ValueFile::numbersOf(*read, fileOf(work).items, onFault);
}

Result<std::vector<TypedQuantity::Shown>> Study::shownItems(Work work, char separator) const {
    const WorkFile& file = fileOf(work);
    auto read = items(file.name);
    if (!read && !isAbsent(read.error())) return read.error();
    std::vector<std::string> stored = read.maybe().value_or(std::vector<std::string>{});
    stored.resize(file.items);
    std::vector<TypedQuantity::Shown> shown;
    shown.reserve(stored.size());
    for (std::string& item : stored) {
        std::string text =
            withLeadingZero(numberOrText(item, NumberText::kDoubleDigits, separator), separator);
        shown.push_back({std::move(text), std::move(item)});
    }
    return shown;
}

bool Study::elevationTicked(std::string_view item) {
    const auto value = NumberText::parse(item);
    return value && *value != 0;
}

Status Study::storeTyped(Work work, const std::vector<TypedQuantity::Reading>& readings,
                         std::optional<Elevation> elevation) const {
    std::vector<ValueItem> items;
    items.reserve(readings.size() + 1);
    for (const auto& reading : readings)
        items.push_back(ValueItem::text(reading.stored));
    if (elevation) {
        if (elevation->untouched && !isBlank(*elevation->untouched))
            items.push_back(ValueItem::text(*elevation->untouched));
        else
            items.push_back(ValueItem::number(elevation->ticked ? 1 : 0));
    }
    return ValueFile::write(folder_, fileOf(work).name, items);
}

double Study::buildingPoints(float area) {
    return std::floor(static_cast<double>(area) * 2 / 25) + 4;
}

Status Study::storeBuildingArea(std::optional<double> area) const {
    if (!area) {
        auto stored = firstItem(Catalogue::kBuildings);
        if (stored && !isBlank(*stored)) return {};
        if (!stored && !isAbsent(stored.error())) return stored.error();
        area = 0;
    }
    const std::optional<float> single = NumberText::toSingle(*area);
    if (!single)
        return Failure::refusing(Error::Refusal::AreaTooLarge, {},
                                 FileName::resolve(folder_, Catalogue::kBuildings));
    // The count is kept as the number it is, however large: the file holds a number.
    return ValueFile::write(folder_, Catalogue::kBuildings,
                            {ValueItem::number(buildingPoints(*single))});
}

Status Study::storeScale(std::string_view shown) const {
    return ValueFile::write(folder_, Catalogue::kScale, {ValueItem::text(std::string(shown))});
}

Status Study::storeZone(bool inside) const {
    return ValueFile::write(folder_, Catalogue::kZone, {ValueItem::number(inside ? 1 : 0)});
}

Study::Change Study::storeWithDefault(const std::filesystem::path& installation,
                                      std::string_view name, std::string_view defaultName,
                                      const std::vector<ValueItem>& items) const {
    Change change{ValueFile::write(folder_, name, items), {}};
    if (change.study) change.defaults = ValueFile::write(installation, defaultName, items);
    return change;
}

Study::Change Study::changeLambda(const std::filesystem::path& installation,
                                  const TypedQuantity::Reading& reading) const {
    return storeWithDefault(installation, Catalogue::kLambda, Catalogue::kDefaultLambda,
                            {ValueItem::text(reading.stored)});
}

Result<StatutoryAmounts::Read> Study::amounts() const {
    auto read = items(Catalogue::kAmounts);
    if (!read && read.error().kind == Error::Kind::NotFound)
        return StatutoryAmounts::Read{StatutoryAmounts::standard(), {}};
    if (!read) return read.error();
    return StatutoryAmounts::fromItems(*read);
}

Study::Change Study::changeAmounts(const std::filesystem::path& installation,
                                   const std::vector<StatutoryAmount>& amounts) const {
    return storeWithDefault(installation, Catalogue::kAmounts, Catalogue::kDefaultAmounts,
                            StatutoryAmounts::itemsOf(amounts));
}

std::string Study::showLambda(std::string_view item, LambdaShown how, char separator) {
    if (how == LambdaShown::SummaryAfterChange)
        return numberOrText(item, NumberText::kDoubleDigits, separator);
    auto value = NumberText::parse(item);
    auto single = value ? NumberText::toSingle(*value) : std::nullopt;
    if (!single) return std::string(item);
    std::string text = shownNumber(*single, NumberText::kSingleDigits, separator);
    if (how == LambdaShown::WorkSelection) return withLeadingZero(std::move(text), separator);
    return text;
}

const std::vector<std::string_view>& Study::reportInputs() {
    static const std::vector<std::string_view> inputs = [] {
        std::vector<std::string_view> all(kChoices.begin(), kChoices.end());
        for (const WorkFile& file : works())
            all.push_back(file.name);
        return all;
    }();
    return inputs;
}

const std::vector<std::string_view>& Study::inputFiles() {
    static const std::vector<std::string_view> inputs = [] {
        std::vector<std::string_view> all = reportInputs();
        all.push_back(Catalogue::kSpecialty);
        return all;
    }();
    return inputs;
}

std::vector<std::string> Study::newerThanReport() const {
    std::optional<std::filesystem::file_time_type> oldest;
    for (std::string_view section : Catalogue::kReportOrder) {
        const auto written = lastWritten(folder_, section);
        if (!written) return {};
        if (!oldest || *written < *oldest) oldest = written;
    }
    std::vector<std::string> newer;
    for (std::string_view input : reportInputs())
        if (const auto written = lastWritten(folder_, input); written && *written > *oldest)
            newer.emplace_back(input);
    return newer;
}

std::optional<std::filesystem::file_time_type> Study::writtenAt(std::string_view name) const {
    return lastWritten(folder_, name);
}

Study::Summary Study::summary(char separator) const {
    Summary summary;
    auto missing = [&](const Error& error) {
        const std::filesystem::path file = TextPath::fromUtf8(error.file);
        summary.missing.push_back(
            {TextPath::toUtf8(file.filename()), error.kind == Error::Kind::Short});
    };

    if (auto zone = zoneItem())
        summary.inside = rounded(*zone) == 1;
    else
        missing(zone.error());
    if (auto scale = scaleItem())
        summary.scale = numberOrText(*scale, NumberText::kDoubleDigits, separator);
    if (auto lambda = lambdaItem())
        summary.lambda = showLambda(*lambda, LambdaShown::Summary, separator);
    else
        missing(lambda.error());
    if (auto read = details()) {
        summary.details = std::move(*read);
        if (summary.details.size() < kDetails)
            summary.missing.push_back({std::string(Catalogue::kDetails), true});
    } else {
        missing(read.error());
    }

    for (const WorkFile& file : works())
        summary.quantities[static_cast<std::size_t>(file.work)] =
            quantities(file.work, ValueFile::OnFault::ZeroTheRest)
                .maybe()
                .value_or(std::vector<double>(file.items, 0.0));
    return summary;
}

} // namespace velmora::store
