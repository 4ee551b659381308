#pragma once

#include "store/base/Result.h"
#include "store/base/Status.h"
#include "store/files/Failure.h"
#include "store/files/FileLock.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::store {

// One created study, as the list of studies names it: its owner.
struct StudyEntry {
    std::string firstName;
    std::string surname;

    // "Γιώργος Παππάς", as the previous-study list shows it.
    std::string display() const { return firstName + ' ' + surname; }
    // "ΓιώργοςΠαππάς": the study folder inside the installation folder.
    std::string folderName() const { return firstName + surname; }

    bool operator==(const StudyEntry&) const = default;
};

// The list of every study ever created, in order of creation, and the index of folder names that
// the previous-study selection writes beside it. The same owner may be listed more than once.
class StudyList {
public:
    // The list held against other programs while one change is made to it, and what it held
    // when the hold began. Every change to the list goes through here.
    class Held {
    public:
        // `doing` names the change in the message of a list that cannot be read.
        explicit Held(const std::filesystem::path& installation,
                      Error::Context doing = Error::Context::AppendingStudy);
        // Success once the list is held and read. A list that cannot be read is refused, since
        // rewriting it would drop every study it holds; a missing one is empty.
        const Status& status() const { return status_; }
        // Replaces the list with `entries`; `scratchToo` leaves the new list in the scratch file
        // as well, as an append always has.
        Status write(bool scratchToo = false) const;

        std::vector<StudyEntry> entries;

    private:
        std::filesystem::path installation_;
        FileLock lock_;
        Status status_;
    };

    // Every entry in file order, or why a list that is there cannot be read; `doing` names the
    // change that this stops, for the message. A missing list is an empty one; an odd last item
    // gets an empty surname.
    static Result<std::vector<StudyEntry>> listed(const std::filesystem::path& installation,
                                                  Error::Context doing = Error::Context::File);

    // Appends a study: the list is copied pair by pair to its scratch file with the new pair at the
    // end, then copied back. The scratch file keeps the new list too.
    // Another program appending at the same moment waits for this one.
    static Status append(const std::filesystem::path& installation, const StudyEntry& entry);

    // Takes the last listing of a study off the list again, for a study whose creation failed
    // after it was listed.
    static Status takeBack(const std::filesystem::path& installation, const StudyEntry& entry);

    // The index holds the folder names of the first hundred studies, one a line, and a single
    // blank for each place not taken; later studies are chosen from the list itself.
    static constexpr std::size_t kIndexPlaces = 100;
    static Status writeIndex(const std::filesystem::path& installation,
                             const std::vector<StudyEntry>& entries);
    // The folder names of the index in order, an empty text for a free place; none at all when
    // the index cannot be read.
    static std::vector<std::string> readIndex(const std::filesystem::path& installation);

    // Holds one study against calculations and readers of its report, and the list against other
    // programs, while the study's folder and its listing change together; the list is read once
    // both are held. The study is taken first, the list second, always in that order, so that two
    // such changes never wait on each other. An empty `study` holds the list alone.
    class Hold {
    public:
        Hold(const std::filesystem::path& installation, const std::filesystem::path& study);
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

        // Success once both are held and the list is read; otherwise why not.
        const Status& status() const { return status_; }
        // The list as it was when the hold began.
        const std::vector<StudyEntry>& entries() const { return entries_; }
        // Writes the list anew while it is held, and the index beside it.
        Status rewrite(const std::vector<StudyEntry>& entries);
        // Windows moves no folder while a file inside it is open, the lock's own included: there
        // the study is let go just before its folder moves, and a program that opens one of its
        // files in between makes the move fail whole. Elsewhere the hold lasts.
        void beforeMove();

    private:
        std::filesystem::path installation_;
        std::optional<FileLock> study_;
        std::optional<Held> list_;
        std::vector<StudyEntry> entries_;
        Status status_;
    };

    // What the previous-study selection offers: every listed study, with the index written anew
    // beside the list. A list that cannot be read offers nothing and says why; the index it would
    // have blanked is left as it is.
    struct Offer {
        std::vector<StudyEntry> studies;
        Status status;
    };
    static Offer offer(const std::filesystem::path& installation);

    // Makes the study at `place` of the offer current. The first hundred are found through the
    // index, as they always were; the list itself knows every one of them.
    static Status choose(const std::filesystem::path& installation, std::size_t place,
                         const StudyEntry& listed);
};

} // namespace velmora::store
