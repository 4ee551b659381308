#include "store/study/WorkSelection.h"

#include "store/base/Catalogue.h"
#include "store/files/ValueFile.h"
#include "store/study/Study.h"
#include "store/text/NumberText.h"

namespace velmora::store {
namespace {

// Rewrites one file as `count` number items; `fix` may put right what was read.
template <class Fix>
void rewrite(const std::filesystem::path& study, std::string_view name, std::size_t count, Fix fix,
             std::vector<Error>& failures) {
    // A file that is there but cannot be read may hold quantities: it is told, not zeroed.
    const Result<std::vector<std::string>> read = ValueFile::readIfThere(study, name);
    if (!read) {
        failures.push_back(read.error());
        return;
    }
    std::vector<double> values = ValueFile::numbersOf(*read, count);
    fix(values);
    std::vector<ValueItem> items;
    items.reserve(values.size());
    for (double value : values)
        items.push_back(ValueItem::number(value));
    Status written = ValueFile::write(study, name, items);
    if (!written) failures.push_back(written.error());
}

} // namespace

std::vector<Error> WorkSelection::submit(const std::filesystem::path& study) {
    std::vector<Error> failures;
    for (const Study::WorkFile& file : Study::works())
        rewrite(
            study, file.name, file.items, [](std::vector<double>&) {}, failures);
    rewrite(
        study, Catalogue::kScale, 1,
        [](std::vector<double>& scale) {
            if (!(scale[0] > 0)) scale[0] = kDefaultScale;
        },
        failures);
    return failures;
}

std::optional<float> WorkSelection::lambdaOf(std::string_view item) {
    auto value = NumberText::parse(item);
    auto single = value ? NumberText::toSingle(*value) : std::nullopt;
    if (!single || !(*single > 0)) return std::nullopt;
    return single;
}

} // namespace velmora::store
