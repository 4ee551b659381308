#include "store/study/StudyList.h"

#include "store/base/Catalogue.h"
#include "store/base/TextPath.h"
#include "store/files/Failure.h"
#include "store/files/FileLock.h"
#include "store/files/ValueFile.h"
#include "store/study/Installation.h"
#include "store/study/StudyPath.h"

#include <algorithm>
#include <iterator>

namespace velmora::store {
namespace {

std::vector<StudyEntry> pairsOf(const std::vector<std::string>& items) {
    std::vector<StudyEntry> entries;
    entries.reserve((items.size() + 1) / 2);
    for (std::size_t i = 0; i < items.size(); i += 2)
        entries.push_back({items[i], i + 1 < items.size() ? items[i + 1] : std::string()});
    return entries;
}

std::vector<ValueItem> itemsOf(const std::vector<StudyEntry>& entries) {
    std::vector<ValueItem> items;
    items.reserve(entries.size() * 2);
    for (const StudyEntry& entry : entries) {
        items.push_back(ValueItem::text(entry.firstName));
        items.push_back(ValueItem::text(entry.surname));
    }
    return items;
}

enum class Change { Append, TakeBack };

// Appends a study or takes its last listing off. An append leaves the new list in the scratch
// file too.
Status change(const std::filesystem::path& installation, const StudyEntry& entry, Change change) {
    StudyList::Held list(installation);
    if (!list.status()) return list.status();
    std::vector<StudyEntry>& entries = list.entries;
    if (change == Change::Append) {
        entries.push_back(entry);
    } else {
        auto last = std::find(entries.rbegin(), entries.rend(), entry);
        if (last == entries.rend()) return {};
        entries.erase(std::next(last).base());
    }
    return list.write(change == Change::Append);
}

} // namespace

StudyList::Held::Held(const std::filesystem::path& installation, Error::Context doing)
    : installation_(installation), lock_(installation, Catalogue::kStudies) {
    if (!lock_.status()) {
        status_ = lock_.status();
        return;
    }
    // A missing list is simply empty here; a write creates it. One that cannot be read would lose
    // every study it holds if it were rewritten.
    Result<std::vector<StudyEntry>> read = listed(installation, doing);
    if (!read) {
        status_ = read.error();
        return;
    }
    entries = std::move(*read);
}

Status StudyList::Held::write(bool scratchToo) const {
    const std::vector<ValueItem> items = itemsOf(entries);
    if (scratchToo)
        if (Status s = ValueFile::write(installation_, Catalogue::kStudiesScratch, items); !s)
            return s;
    return ValueFile::write(installation_, Catalogue::kStudies, items);
}

Status StudyList::append(const std::filesystem::path& installation, const StudyEntry& entry) {
    return change(installation, entry, Change::Append);
}

Status StudyList::takeBack(const std::filesystem::path& installation, const StudyEntry& entry) {
    return change(installation, entry, Change::TakeBack);
}

Status StudyList::writeIndex(const std::filesystem::path& installation,
                             const std::vector<StudyEntry>& entries) {
    std::vector<std::string> lines(kIndexPlaces, " ");
    for (std::size_t i = 0; i < entries.size() && i < kIndexPlaces; ++i) {
        // A name the item format cannot keep leaves its place free; the choice then falls back
        // on the list itself.
        const std::string name = entries[i].folderName();
        if (!ValueFile::isStorableText(name)) continue;
        if (auto line = ValueFile::lineOf(ValueItem::text(name))) lines[i] = std::move(*line);
    }
    return ValueFile::writeLines(installation, Catalogue::kStudyIndex, lines);
}

std::vector<std::string> StudyList::readIndex(const std::filesystem::path& installation) {
    return ValueFile::read(installation, Catalogue::kStudyIndex).valueOr({});
}

StudyList::Hold::Hold(const std::filesystem::path& installation, const std::filesystem::path& study)
    : installation_(installation) {
    if (!study.empty()) {
        study_.emplace(study, Catalogue::kReportLock);
        if (const Status& held = study_->status(); !held) {
            // A calculation at work is told as such; the lock file's own trouble as it is.
            status_ = held.error().kind == Error::Kind::Busy
                          ? Failure::ofReportLock(study, held.error())
                          : held;
            return;
        }
    }
    list_.emplace(installation, Error::Context::ChangingList);
    if (!list_->status()) {
        status_ = list_->status();
        return;
    }
    entries_ = list_->entries;
}

Status StudyList::Hold::rewrite(const std::vector<StudyEntry>& entries) {
    list_->entries = entries;
    Status written = list_->write();
    // The index only spares the previous-study selection a lookup, and is written anew each time
    // that window opens; one left behind is no reason to undo the change.
    if (written) (void)writeIndex(installation_, entries);
    return written;
}

void StudyList::Hold::beforeMove() {
#ifdef _WIN32
    study_.reset();
#endif
}

Result<std::vector<StudyEntry>> StudyList::listed(const std::filesystem::path& installation,
                                                  Error::Context doing) {
    const Result<std::vector<std::string>> read =
        ValueFile::readIfThere(installation, Catalogue::kStudies);
    if (!read) return Failure::during(read.error(), doing);
    return pairsOf(*read);
}

StudyList::Offer StudyList::offer(const std::filesystem::path& installation) {
    Result<std::vector<StudyEntry>> studies = listed(installation);
    if (!studies) return {{}, studies.error()};
    Offer offer{std::move(*studies), {}};
    offer.status = writeIndex(installation, offer.studies);
    return offer;
}

Status StudyList::choose(const std::filesystem::path& installation, std::size_t place,
                         const StudyEntry& listed) {
    std::string folderName;
    const std::vector<std::string> places = readIndex(installation);
    if (place < places.size()) folderName = places[place];
    if (folderName.empty()) folderName = listed.folderName();
    // Pointing at the installation folder itself would pass its own files off as a study.
    if (folderName.empty())
        return Failure::refusing(Error::Refusal::EntryWithoutOwner, {listed.display()});
    // A study is a folder directly inside the installation folder; a list entry that names
    // anything else would have the program write where it was never meant to.
    if (!StudyPath::isFolderName(folderName))
        return Failure::refusing(Error::Refusal::EntryNotAFolder, {listed.display(), folderName});
    return Installation::setCurrentStudy(installation,
                                         installation / TextPath::fromUtf8(folderName));
}

} // namespace velmora::store
