#include "store/study/StudyCorrection.h"

#include "store/base/Catalogue.h"
#include "store/base/Specialty.h"
#include "store/base/TextPath.h"
#include "store/files/AtomicFile.h"
#include "store/files/FileName.h"
#include "store/files/ValueFile.h"
#include "store/study/Installation.h"
#include "store/study/Study.h"
#include "store/study/StudyList.h"
#include "store/study/StudyPath.h"

#include <functional>
#include <system_error>
#include <utility>
#include <vector>

namespace velmora::store {
namespace {

// The steps done so far, undone last first when a later one fails.
class Undo {
public:
    void add(std::function<Status()> step) { steps_.push_back(std::move(step)); }
    Status fail(Status why) {
        // Putting back is all that can be tried here: a step that fails too leaves the rest to
        // the steps after it, and the user is told the failure that made the undoing necessary.
        for (auto step = steps_.rbegin(); step != steps_.rend(); ++step)
            (void)(*step)();
        steps_.clear();
        return why;
    }

private:
    std::vector<std::function<Status()>> steps_;
};

// Writes a file of the study and keeps how to put it back as it was.
Status rewrite(Undo& undo, const std::filesystem::path& study, std::string_view name,
               const std::vector<ValueItem>& items) {
    Result<std::string> before = ValueFile::bytes(study, name);
    if (!before && before.error().kind != Error::Kind::NotFound) return before.error();
    const std::filesystem::path file = FileName::resolve(study, name);
    if (Status s = ValueFile::write(study, name, items); !s) return s;
    undo.add([file, before]() -> Status {
        if (before) return AtomicFile::replace(file, *before);
        std::error_code ignored;
        std::filesystem::remove(file, ignored);
        return {};
    });
    return {};
}

} // namespace

StudyCreation::Outcome StudyCorrection::correct(const std::filesystem::path& installation,
                                                const std::filesystem::path& study,
                                                const StudyDetails& typed) {
    const StudyDetails details = typed.normalised();
    StudyList::Hold hold(installation, study);
    if (!hold.status()) return {hold.status(), study};
    // Checked while held: no other program can take the name meanwhile.
    if (Status problem = StudyCreation::detailsProblem(installation, details, study); !problem)
        return {problem, study};

    const Result<StudyDetails> stored = Study(study).details();
    if (!stored && stored.error().kind != Error::Kind::NotFound) return {stored.error(), study};
    const StudyDetails before = stored.valueOr({});
    const std::filesystem::path renamed = installation / TextPath::fromUtf8(details.folderName());
    const bool moves = renamed.filename() != study.filename();
    const bool isCurrent = Study(study).isCurrent(installation);

    Undo undo;
    std::vector<ValueItem> fields;
    for (const std::string& field : details.fields())
        fields.push_back(ValueItem::text(field));
    if (Status s = rewrite(undo, study, Catalogue::kDetails, fields); !s)
        return {undo.fail(s), study};
    if (details.engineer.specialty != before.engineer.specialty)
        if (Status s = rewrite(undo, study, Catalogue::kSpecialty,
                               {ValueItem::number(Specialty::codeOf(details.engineer.specialty))});
            !s)
            return {undo.fail(s), study};

    if (moves) {
        hold.beforeMove();
        if (Status s = StudyPath::moveFolder(study, renamed, Error::Context::StudyRename); !s)
            return {undo.fail(s), study};
        // The files written above are put back in the folder under its old name.
        undo.add(
            [&] { return StudyPath::moveFolder(renamed, study, Error::Context::StudyRename); });
        if (Status s = AtomicFile::syncFolder(installation); !s) return {undo.fail(s), study};
    }

    // Every listing of the study follows it; another study's stays as it is.
    const StudyEntry entry{details.ownerFirstName, details.ownerSurname};
    std::vector<StudyEntry> entries = hold.entries();
    bool relisted = false;
    for (StudyEntry& listed : entries)
        if (FileName::sameName(listed.folderName(), TextPath::toUtf8(study.filename())) &&
            !(listed == entry)) {
            listed = entry;
            relisted = true;
        }
    if (relisted) {
        if (Status s = hold.rewrite(entries); !s) return {undo.fail(s), study};
        undo.add([&] { return hold.rewrite(hold.entries()); });
    }

    if (moves && isCurrent)
        if (Status s = Installation::setCurrentStudy(installation, renamed); !s)
            return {undo.fail(s), study};
    return {Status(), moves ? renamed : study};
}

} // namespace velmora::store
