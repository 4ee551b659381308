#include "store/StudyPath.h"

#include "store/FileName.h"
#include "store/TextPath.h"

#include <system_error>

namespace velmora::store {
namespace {

bool isSlash(char c) {
    return c == '\\' || c == '/';
}

} // namespace

std::optional<std::string> StudyPath::oldProgramStudy(std::string_view text) {
    if (text.size() < 3 || text[1] != ':' || !isSlash(text[2])) return std::nullopt;
    const char drive = text[0];
    if (!((drive >= 'a' && drive <= 'z') || (drive >= 'A' && drive <= 'Z'))) return std::nullopt;
    text.remove_prefix(3);
    for (std::string_view folder : {"program files", "velmora"}) {
        if (text.size() <= folder.size() || !isSlash(text[folder.size()]) ||
            !FileName::sameName(text.substr(0, folder.size()), folder))
            return std::nullopt;
        text.remove_prefix(folder.size() + 1);
    }
    while (!text.empty() && isSlash(text.back()))
        text.remove_suffix(1);
    if (text.empty()) return std::nullopt;
    for (char c : text)
        if (isSlash(c)) return std::nullopt;
    return std::string(text);
}

std::filesystem::path StudyPath::resolve(const std::filesystem::path& installation,
                                         std::string_view text) {
    const std::filesystem::path stands = TextPath::fromUtf8(text);
    const std::filesystem::path path = stands.is_absolute() ? stands : installation / stands;
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) return path;
    if (auto name = oldProgramStudy(text)) return installation / TextPath::fromUtf8(*name);
    return path;
}

} // namespace velmora::store
