#include "store/WorkSelection.h"

#include "store/Catalogue.h"
#include "store/NumberText.h"
#include "store/ValueFile.h"

namespace velmora::store {
namespace {

// The first item of a file, when the file can be read and holds one.
std::optional<std::string> firstItem(const std::filesystem::path& folder, std::string_view name) {
    auto items = ValueFile::read(folder, name);
    if (!items || items->empty()) return std::nullopt;
    return items->front();
}

} // namespace

const std::array<WorkSelection::WorkFile, 10>& WorkSelection::submitOrder() {
    static const std::array<WorkFile, 10> order = {{
        {Catalogue::kApportionment, 1},
        {Catalogue::kTachymetry, 6},
        {Catalogue::kUrban, 1},
        {Catalogue::kPolygonometry, 1},
        {Catalogue::kLines, 2},
        {Catalogue::kTriangulation, 4},
        {Catalogue::kBuildings, 1},
        {Catalogue::kThousandths, 1},
        {Catalogue::kPlots, 1},
        {Catalogue::kScale, 1},
    }};
    return order;
}

std::vector<Error> WorkSelection::submit(const std::filesystem::path& study) {
    std::vector<Error> failures;
    for (const WorkFile& file : submitOrder()) {
        // A file that is there but cannot be read may hold quantities: it is told, not zeroed.
        const FileContents read = ValueFile::load(study, file.name);
        if (read.state == FileContents::State::Unreadable) {
            failures.push_back(read.error);
            continue;
        }
        std::vector<double> values = ValueFile::numbersOf(read.items, file.items);
        if (file.name == Catalogue::kScale && !(values[0] > 0)) values[0] = kDefaultScale;
        std::vector<ValueItem> items;
        items.reserve(values.size());
        for (double value : values)
            items.push_back(ValueItem::number(value));
        Status written = ValueFile::write(study, file.name, items);
        if (!written) failures.push_back(written.error());
    }
    return failures;
}

std::optional<bool> WorkSelection::insidePlan(const std::filesystem::path& study) {
    auto item = firstItem(study, Catalogue::kZone);
    if (!item) return std::nullopt;
    // Whatever does not read as 1, a word included, counts as outside the plan.
    auto value = NumberText::parse(*item);
    return value && *value == 1;
}

std::optional<float> WorkSelection::lambdaOf(std::string_view item) {
    auto value = NumberText::parse(item);
    auto single = value ? NumberText::toSingle(*value) : std::nullopt;
    if (!single || !(*single > 0)) return std::nullopt;
    return single;
}

std::optional<int> WorkSelection::specialtyCode(const std::filesystem::path& study) {
    auto item = firstItem(study, Catalogue::kSpecialty);
    if (!item) return std::nullopt;
    auto value = NumberText::parse(*item);
    if (!value) return std::nullopt;
    auto code = NumberText::toInt16(*value);
    if (!code) return std::nullopt;
    return *code;
}

} // namespace velmora::store
