#include "store/study/StudyShelf.h"

#include "store/base/Catalogue.h"
#include "store/base/TextPath.h"
#include "store/files/Failure.h"
#include "store/files/FileName.h"
#include "store/study/Study.h"
#include "store/study/StudyCreation.h"
#include "store/study/StudyPath.h"
#include "store/study/StudySearch.h"

#include <algorithm>
#include <optional>
#include <system_error>

namespace velmora::store {
namespace {

namespace fs = std::filesystem;

bool standsThere(const fs::path& path) {
    std::error_code ec;
    return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

// Whether `name` is taken in `folder`, as a disk that ignores letter case would see it.
bool taken(const fs::path& folder, const std::string& name) {
    if (standsThere(folder / TextPath::fromUtf8(name))) return true;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (FileName::sameName(TextPath::toUtf8(entry.path().filename()), name)) return true;
    return false;
}

Status move(const fs::path& from, const fs::path& to) {
    return StudyPath::moveFolder(from, to, Error::Context::MovingStudy);
}

StudyEntry ownerOf(const Result<StudyDetails>& details, const std::string& name) {
    if (details) {
        StudyEntry owner{details->ownerFirstName, details->ownerSurname};
        if (StudyCreation::folderNameProblem(owner.folderName())) return owner;
    }
    return {name, {}};
}

} // namespace

bool StudyShelf::isShelfName(std::string_view name) {
    while (!name.empty() && (name.back() == ' ' || name.back() == '.' || name.back() == '\t'))
        name.remove_suffix(1);
    return StudySearch::folded(name) == StudySearch::folded(kFolder);
}

std::vector<StudyShelf::Shelved> StudyShelf::shelved(const fs::path& installation) {
    std::vector<Shelved> found;
    std::error_code ec;
    for (const auto& entry :
         fs::directory_iterator(installation / TextPath::fromUtf8(kFolder), ec)) {
        std::error_code typeError;
        if (!entry.is_directory(typeError)) continue;
        const std::string name = TextPath::toUtf8(entry.path().filename());
        const Result<StudyDetails> details = Study(entry.path()).details();
        found.push_back({name, ownerOf(details, name), details.valueOr({})});
    }
    std::sort(found.begin(), found.end(),
              [](const Shelved& a, const Shelved& b) { return a.name < b.name; });
    return found;
}

Status StudyShelf::putAway(const fs::path& installation, std::size_t place,
                           const StudyEntry& listed) {
    const std::string name = listed.folderName();
    const fs::path folder = installation / TextPath::fromUtf8(name);
    std::error_code ec;
    // A folder that is not there, or would not be a study's, is not held: only the entry goes.
    const bool own =
        StudyPath::isFolderName(name) && !isShelfName(name) && fs::is_directory(folder, ec);
    StudyList::Hold hold(installation, own ? folder : fs::path());
    if (!hold.status()) return hold.status();
    const std::vector<StudyEntry>& before = hold.entries();
    if (place >= before.size() || !(before[place] == listed))
        return Failure::refusing(Error::Refusal::ListChanged);
    std::vector<StudyEntry> entries = before;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(place));

    // Another entry that still leads to the folder keeps it where it is.
    const bool listedAgain =
        std::any_of(entries.begin(), entries.end(),
                    [&name](const StudyEntry& other) { return other.folderName() == name; });
    if (listedAgain || !own) return hold.rewrite(entries);

    const bool current = Study(folder).isCurrent(installation);
    const fs::path shelf = installation / TextPath::fromUtf8(kFolder);
    fs::create_directory(shelf, ec);
    if (ec)
        return Failure::of(Error::Kind::WriteFailed, folder, Failure::reasonOf(ec),
                           Error::Context::MovingStudy);
    std::string shelvedName = name;
    for (int n = 2; taken(shelf, shelvedName); ++n)
        shelvedName = name + " (" + std::to_string(n) + ")";
    const fs::path shelved = shelf / TextPath::fromUtf8(shelvedName);

    hold.beforeMove();
    if (Status s = move(folder, shelved); !s) return s;
    // Putting the folder back is best effort; the user is told the failure that made it needed.
    const auto undo = [&](Status why) {
        (void)move(shelved, folder);
        return why;
    };
    if (Status s = hold.rewrite(entries); !s) return undo(s);
    if (current) {
        fs::remove(FileName::resolve(installation, Catalogue::kPointer), ec);
        if (ec) {
            (void)hold.rewrite(before);
            return undo(Failure::of(Error::Kind::WriteFailed,
                                    FileName::resolve(installation, Catalogue::kPointer),
                                    Failure::reasonOf(ec)));
        }
    }
    return {};
}

Status StudyShelf::bringBack(const fs::path& installation, std::string_view name) {
    const fs::path shelved = installation / TextPath::fromUtf8(kFolder) / TextPath::fromUtf8(name);
    std::error_code ec;
    if (!StudyPath::isFolderName(name) || !fs::is_directory(shelved, ec))
        return Failure::refusing(Error::Refusal::ShelvedNotFound, {std::string(name)});
    StudyList::Hold hold(installation, shelved);
    if (!hold.status()) return hold.status();
    const StudyEntry owner = ownerOf(Study(shelved).details(), std::string(name));
    const std::string folderName = owner.folderName();
    if (Status problem = StudyCreation::folderNameProblem(folderName); !problem) return problem;
    if (taken(installation, folderName))
        return Failure::refusing(Error::Refusal::FolderTaken, {folderName});
    const fs::path folder = installation / TextPath::fromUtf8(folderName);

    hold.beforeMove();
    if (Status s = move(shelved, folder); !s) return s;
    std::vector<StudyEntry> entries = hold.entries();
    entries.push_back(owner);
    if (Status s = hold.rewrite(entries); !s) {
        // Back on the shelf as best we can; the user is told why the list could not be written.
        (void)move(folder, shelved);
        return s;
    }
    return {};
}

} // namespace velmora::store
