#include "store/study/Study.h"

#include "store/base/Catalogue.h"
#include "store/files/Failure.h"
#include "store/files/FileName.h"
#include "store/study/Installation.h"
#include "store/study/WorkSelection.h"
#include "store/text/NumberText.h"

#include <cmath>
#include <system_error>

namespace velmora::store {
namespace {

bool isBlank(std::string_view item) {
    return item.find_first_not_of(" \t") == std::string_view::npos;
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

Tachymetry Tachymetry::of(const std::vector<double>& quantities) {
    Tachymetry survey;
    for (std::size_t i = 0; i < kSlopes && i < quantities.size(); ++i)
        survey.slopes[i] = quantities[i];
    if (quantities.size() > kSlopes) survey.elevation = quantities[kSlopes];
    return survey;
}

Result<Study> Study::current(const std::filesystem::path& installation) {
    Result<std::filesystem::path> study = Installation::currentStudy(installation);
    if (!study) return study.error();
    return Study(*study);
}

bool Study::isCurrent(const std::filesystem::path& installation) const {
    const Result<Study> current = Study::current(installation);
    std::error_code ec;
    return current && std::filesystem::equivalent(current->folder(), folder_, ec);
}

const std::array<Study::WorkFile, 9>& Study::works() {
    static const std::array<WorkFile, 9> files = {{
        {Work::Apportionment, Catalogue::kApportionment, 1},
        {Work::Tachymetry, Catalogue::kTachymetry, Tachymetry::kSlopes + 1},
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

Result<StudyDetails> Study::details() const {
    auto read = items(Catalogue::kDetails);
    if (!read) return read.error();
    return StudyDetails::of(*read);
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
    std::vector<std::string> stored = read.valueOr({});
    stored.resize(file.items);
    std::vector<TypedQuantity::Shown> shown;
    shown.reserve(stored.size());
    for (std::string& item : stored) {
        std::string text = NumberText::withLeadingZero(
            NumberText::shown(item, NumberText::kDoubleDigits, separator), separator);
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

std::vector<Error> Study::submit() const {
    return WorkSelection::submit(folder_);
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
                                  std::string_view typed) const {
    // λ multiplies every amount of the study and of every study after it.
    const auto reading = TypedQuantity::check(typed).reading;
    if (!reading || !WorkSelection::lambdaOf(reading->stored))
        return {Failure::refusing(Error::Refusal::LambdaNotPositive, {std::string(typed)},
                                  FileName::resolve(folder_, Catalogue::kLambda)),
                {}};
    return storeWithDefault(installation, Catalogue::kLambda, Catalogue::kDefaultLambda,
                            {ValueItem::text(reading->stored)});
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

Study::Summary Study::summary() const {
    Summary summary;
    if (auto zone = zoneItem())
        summary.inside = rounded(*zone) == 1;
    else
        summary.unread.push_back(zone.error());
    summary.scale = scaleItem().maybe();
    if (auto lambda = lambdaItem())
        summary.lambda = std::move(*lambda);
    else
        summary.unread.push_back(lambda.error());
    if (auto read = items(Catalogue::kDetails)) {
        summary.details = StudyDetails::of(*read);
        if (read->size() < StudyDetails::kFields)
            summary.unread.push_back(
                Failure::of(Error::Kind::Short, FileName::resolve(folder_, Catalogue::kDetails)));
    } else {
        summary.unread.push_back(read.error());
    }

    for (const WorkFile& file : works())
        summary.quantities[static_cast<std::size_t>(file.work)] =
            quantities(file.work, ValueFile::OnFault::ZeroTheRest)
                .valueOr(std::vector<double>(file.items, 0.0));
    return summary;
}

} // namespace velmora::store
