#include "store/Installation.h"

#include "store/Catalogue.h"
#include "store/FileName.h"
#include "store/StudyPath.h"
#include "store/TextPath.h"
#include "store/ValueFile.h"

#include <cstdlib>
#include <system_error>

namespace velmora::store {
namespace {

std::optional<std::filesystem::path> environmentPath(const char* name) {
    const char* value = std::getenv(name);
    if (value == nullptr || *value == '\0') return std::nullopt;
    return TextPath::fromUtf8(value);
}

bool exists(const std::filesystem::path& folder, std::string_view name) {
    std::error_code ec;
    return std::filesystem::exists(FileName::resolve(folder, name), ec);
}

} // namespace

std::filesystem::path Installation::defaultFolder() {
#ifdef _WIN32
    // Data of earlier installations keeps working where it always was.
    std::filesystem::path classic = "c:\\program files\\velmora\\";
    std::error_code ec;
    if (std::filesystem::is_directory(classic, ec)) return classic;
    if (auto appData = environmentPath("APPDATA")) return *appData / "velmora";
    return classic;
#else
    if (auto xdg = environmentPath("XDG_DATA_HOME")) return *xdg / "velmora";
    if (auto home = environmentPath("HOME")) return *home / ".local" / "share" / "velmora";
    return std::filesystem::current_path() / "velmora";
#endif
}

std::filesystem::path Installation::folder(const std::optional<std::filesystem::path>& override) {
    if (override) return *override;
    if (auto home = environmentPath("VELMORA_HOME")) return *home;
    return defaultFolder();
}

Status Installation::prepare(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (!std::filesystem::is_directory(folder, ec))
        return Status::failure("Δεν ήταν δυνατή η δημιουργία του φακέλου του προγράμματος «" +
                               TextPath::toUtf8(folder) + "».");
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
    return Status::success();
}

Installation::CurrentStudy Installation::currentStudy(const std::filesystem::path& installation) {
    using State = CurrentStudy::State;
    const FileContents pointer = ValueFile::load(installation, Catalogue::kPointer);
    if (pointer.state == FileContents::State::Unreadable)
        return {State::NoneChosen, {}, pointer.problem + " Επιλέξτε ξανά την τρέχουσα μελέτη."};
    if (pointer.items.empty() || pointer.items[0].empty())
        return {State::NoneChosen,
                {},
                "Δεν υπάρχει τρέχουσα μελέτη. Δημιουργήστε πρώτα μια νέα μελέτη ή επιλέξτε μια "
                "προηγούμενη."};
    const std::filesystem::path study = StudyPath::resolve(installation, pointer.items[0]);
    const std::string named = "Ο φάκελος της τρέχουσας μελέτης «" + TextPath::toUtf8(study) + "»";
    std::error_code ec;
    const auto status = std::filesystem::status(study, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return {State::FolderMissing, study, named + " δεν υπάρχει."};
    if (ec)
        return {State::Unreadable, study,
                named + " δεν είναι προσβάσιμος (δικαιώματα πρόσβασης ή συντόμευση που οδηγεί "
                        "σε κύκλο)."};
    if (status.type() != std::filesystem::file_type::directory)
        return {State::NotAFolder, study,
                "Η τρέχουσα μελέτη «" + TextPath::toUtf8(study) + "» δεν είναι φάκελος."};
    std::filesystem::directory_iterator listing(study, ec);
    if (ec)
        return {State::Unreadable, study,
                named + " δεν διαβάζεται (δικαιώματα πρόσβασης ή σφάλμα του δίσκου)."};
    return {State::Found, study, {}};
}

Status Installation::setCurrentStudy(const std::filesystem::path& installation,
                                     const std::filesystem::path& study) {
    return ValueFile::write(installation, Catalogue::kPointer,
                            {ValueItem::text(TextPath::toUtf8(study))});
}

} // namespace velmora::store
