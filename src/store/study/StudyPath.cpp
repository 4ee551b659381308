#include "store/study/StudyPath.h"

#include "store/base/TextPath.h"
#include "store/files/AtomicFile.h"
#include "store/files/Failure.h"
#include "store/files/FileName.h"

#include <system_error>

namespace velmora::store {
namespace {

bool isSlash(char c) {
    return c == '\\' || c == '/';
}

std::string_view withoutTrailingSlashes(std::string_view text) {
    while (!text.empty() && isSlash(text.back()))
        text.remove_suffix(1);
    return text;
}

// The part after the last slash of either kind: pointers come from Windows as often as not.
std::string_view lastName(std::string_view text) {
    const std::size_t slash = text.find_last_of("\\/");
    return slash == std::string_view::npos ? text : text.substr(slash + 1);
}

} // namespace

bool StudyPath::isFolderName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of("\\/") == std::string_view::npos;
}

std::optional<std::string> StudyPath::earlierWindowsStudy(std::string_view text) {
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
    text = withoutTrailingSlashes(text);
    if (!isFolderName(text)) return std::nullopt;
    return std::string(text);
}

std::optional<std::filesystem::path> StudyPath::resolve(const std::filesystem::path& installation,
                                                        std::string_view text) {
    text = withoutTrailingSlashes(text);
    const std::string_view name = lastName(text);
    if (!isFolderName(name)) return std::nullopt;

    const std::filesystem::path stands = TextPath::fromUtf8(text);
    const std::filesystem::path path = stands.is_absolute() ? stands : installation / stands;
    std::error_code ec;
    const auto type = std::filesystem::symlink_status(path, ec).type();
    if (type == std::filesystem::file_type::not_found)
        return installation / TextPath::fromUtf8(name);
    // Its folder is compared as the system finds it, so links on the way to either count for
    // what they lead to; the study itself may be a link.
    const std::filesystem::path leaf = path.filename();
    if (leaf != "." && leaf != ".." &&
        std::filesystem::equivalent(path.parent_path(), installation, ec))
        return path;
    if (auto earlier = earlierWindowsStudy(text))
        return installation / TextPath::fromUtf8(*earlier);
    return std::nullopt;
}

Status StudyPath::moveFolder(const std::filesystem::path& from, const std::filesystem::path& to,
                             Error::Context doing) {
    const auto failed = [&](const std::error_code& why) {
        return Failure::of(Error::Kind::WriteFailed, from, Failure::reasonOf(why), doing);
    };
    std::error_code ec;
    const bool caseAlone =
        from.parent_path() == to.parent_path() &&
        FileName::sameName(TextPath::toUtf8(from.filename()), TextPath::toUtf8(to.filename()));
    if (!caseAlone && !std::filesystem::exists(to, ec)) {
        std::filesystem::rename(from, to, ec);
        if (ec) return failed(ec);
        return {};
    }
    for (int attempt = 0; attempt < AtomicFile::kAttempts; ++attempt) {
        const std::filesystem::path between = AtomicFile::temporaryFor(to, attempt);
        if (std::filesystem::exists(std::filesystem::symlink_status(between, ec))) continue;
        std::filesystem::rename(from, between, ec);
        if (ec) return failed(ec);
        std::filesystem::rename(between, to, ec);
        if (!ec) return {};
        std::error_code ignored;
        std::filesystem::rename(between, from, ignored);
        return failed(ec);
    }
    return failed(std::make_error_code(std::errc::file_exists));
}

} // namespace velmora::store
