#include "store/study/Installation.h"

#include "store/base/Catalogue.h"
#include "store/base/TextPath.h"
#include "store/files/Failure.h"
#include "store/files/FileName.h"
#include "store/files/ValueFile.h"
#include "store/study/StudyPath.h"

#include <cstdlib>
#include <string>
#include <system_error>

namespace velmora::store {
namespace {

std::optional<std::filesystem::path> environmentPath(const char* name) {
#ifdef _WIN32
    // The narrow environment holds the ANSI code page, where a Greek user name or folder may not
    // survive; the wide one holds every name as it is. Our variable names are ASCII.
    const std::wstring wideName(name, name + std::char_traits<char>::length(name));
    const wchar_t* value = _wgetenv(wideName.c_str());
    if (value == nullptr || *value == L'\0') return std::nullopt;
    return std::filesystem::path(value);
#else
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return TextPath::fromUtf8(value);
#endif
}

bool exists(const std::filesystem::path& folder, std::string_view name) {
    std::error_code ec;
    return std::filesystem::exists(FileName::resolve(folder, name), ec);
}

} // namespace

Result<std::filesystem::path> Installation::defaultFolder() {
#ifdef _WIN32
    // Data of earlier Windows installations of Velmora keeps working where it always was.
    std::filesystem::path classic = "c:\\program files\\velmora\\";
    std::error_code ec;
    if (std::filesystem::is_directory(classic, ec)) return classic;
    if (auto appData = environmentPath("APPDATA")) return *appData / "velmora";
    return classic;
#else
    // A relative path would put the studies wherever the program is started from.
    if (auto xdg = environmentPath("XDG_DATA_HOME"); xdg && xdg->is_absolute())
        return *xdg / "velmora";
    if (auto home = environmentPath("HOME"); home && home->is_absolute())
        return *home / ".local" / "share" / "velmora";
    return Failure::of(Error::Kind::NotFound, {}, {}, Error::Context::NoHome);
#endif
}

Result<std::filesystem::path>
Installation::folder(const std::optional<std::filesystem::path>& override) {
    if (override) return *override;
    if (auto home = environmentPath("VELMORA_HOME")) return *home;
    return defaultFolder();
}

Status Installation::prepare(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::string reason = Failure::reasonOf(ec);
    if (!std::filesystem::is_directory(folder, ec))
        return Failure::of(Error::Kind::WriteFailed, folder, reason, Error::Context::ProgramFolder);
    for (std::string_view list : {Catalogue::kStudies, Catalogue::kEngineers}) {
        if (exists(folder, list)) continue;
        Status written = ValueFile::writeLines(folder, list, {});
        if (!written) return written;
    }
    if (!exists(folder, Catalogue::kDefaultLambda)) {
        Status written =
            ValueFile::write(folder, Catalogue::kDefaultLambda, {ValueItem::bareNumber(1)});
        if (!written) return written;
    }
    return {};
}

Result<std::filesystem::path>
Installation::currentStudy(const std::filesystem::path& installation) {
    using Kind = Error::Kind;
    // Told as what it is, rather than as a pointer file that cannot be read or is not there.
    std::error_code ec;
    const auto type = std::filesystem::status(installation, ec).type();
    if (type == std::filesystem::file_type::not_found)
        return Failure::of(Kind::NotFound, installation, {}, Error::Context::ProgramFolder);
    if (type != std::filesystem::file_type::directory && !ec)
        return Failure::of(Kind::NotRegularFile, installation, {}, Error::Context::ProgramFolder);
    Result<std::vector<std::string>> pointer =
        ValueFile::readIfThere(installation, Catalogue::kPointer);
    if (!pointer) return Failure::during(pointer.error(), Error::Context::Pointer);
    if (pointer->empty() || pointer->front().empty()) return Failure::of(Kind::NoStudy, {});
    const std::optional<std::filesystem::path> inside =
        StudyPath::resolve(installation, pointer->front());
    if (!inside)
        return Failure::of(Kind::Refused, TextPath::fromUtf8(pointer->front()), {},
                           Error::Context::OutsideInstallation);
    const std::filesystem::path& study = *inside;
    const auto status = std::filesystem::status(study, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return Failure::of(Kind::NotFound, study, {}, Error::Context::CurrentStudy);
    if (ec)
        return Failure::of(Kind::NotReadable, study, Failure::reasonOf(ec),
                           Error::Context::CurrentStudy);
    if (status.type() != std::filesystem::file_type::directory)
        return Failure::of(Kind::NotRegularFile, study, {}, Error::Context::CurrentStudy);
    std::filesystem::directory_iterator listing(study, ec);
    if (ec)
        return Failure::of(Kind::NotReadable, study, Failure::reasonOf(ec),
                           Error::Context::ListingStudy);
    return study;
}

Status Installation::setCurrentStudy(const std::filesystem::path& installation,
                                     const std::filesystem::path& study) {
    return ValueFile::write(installation, Catalogue::kPointer,
                            {ValueItem::text(TextPath::toUtf8(study))});
}

} // namespace velmora::store
