#include "store/files/FileName.h"

#include "store/base/TextPath.h"

#include <system_error>

namespace velmora::store {
namespace {

std::string_view withoutTrailingBlanks(std::string_view name) {
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return name;
}

char fold(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool FileName::sameName(std::string_view a, std::string_view b) {
    a = withoutTrailingBlanks(a);
    b = withoutTrailingBlanks(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    return true;
}

std::filesystem::path FileName::resolve(const std::filesystem::path& folder,
                                        std::string_view name) {
    name = withoutTrailingBlanks(name);
    std::filesystem::path exact = folder / TextPath::fromUtf8(name);
    std::error_code ec;
    // The exact spelling is what the program writes, so it is nearly always there.
    if (std::filesystem::is_regular_file(exact, ec)) return exact;

    std::filesystem::path found;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        std::string entryName = TextPath::toUtf8(entry.path().filename());
        if (!sameName(entryName, name)) continue;
        std::error_code typeError;
        if (!entry.is_regular_file(typeError)) continue;
        // Several spellings can live side by side on a case-sensitive disk; take the same one
        // every time.
        if (found.empty() || entry.path().filename() < found.filename()) found = entry.path();
    }
    return found.empty() ? exact : found;
}

} // namespace velmora::store
