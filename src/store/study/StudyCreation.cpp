#include "store/study/StudyCreation.h"

#include "store/base/Catalogue.h"
#include "store/base/Specialty.h"
#include "store/base/TextPath.h"
#include "store/files/AtomicFile.h"
#include "store/files/Failure.h"
#include "store/files/FileLock.h"
#include "store/files/FileName.h"
#include "store/files/ValueFile.h"
#include "store/study/Installation.h"
#include "store/study/StatutoryAmounts.h"
#include "store/study/Study.h"
#include "store/study/StudyList.h"
#include "store/study/StudyShelf.h"
#include "store/study/WorkSelection.h"
#include "store/text/FieldCheck.h"
#include "store/text/NumberText.h"

#include <optional>
#include <system_error>
#include <utility>
#include <vector>

namespace velmora::store {
namespace {

// λ for a new study, from the installation default. A missing default is the starting λ of a
// fresh installation; one that does not hold a positive number would price every new study at
// nothing or below, and is refused. One that is there but cannot be read is told as such.
struct DefaultLambda {
    std::optional<double> value;
    std::string text;
};

Result<DefaultLambda> defaultLambda(const std::filesystem::path& installation) {
    const Result<std::vector<std::string>> read =
        ValueFile::read(installation, Catalogue::kDefaultLambda);
    if (!read && read.error().kind == Error::Kind::NotFound) return DefaultLambda{1.0, {}};
    if (!read) return read.error();
    const std::vector<std::string>& items = *read;
    if (items.empty()) return DefaultLambda{std::nullopt, {}};
    if (!WorkSelection::lambdaOf(items.front())) return DefaultLambda{std::nullopt, items.front()};
    return DefaultLambda{NumberText::parse(items.front()), items.front()};
}

// The statutory amounts a new study starts with: the installation's list, or nothing when it keeps
// none, so that the study carries the four of old as every study before it.
Result<std::optional<std::vector<StatutoryAmount>>>
defaultAmounts(const std::filesystem::path& installation) {
    const Result<std::vector<std::string>> read =
        ValueFile::read(installation, Catalogue::kDefaultAmounts);
    if (!read && read.error().kind == Error::Kind::NotFound)
        return std::optional<std::vector<StatutoryAmount>>();
    if (!read) return read.error();
    StatutoryAmounts::Read amounts = StatutoryAmounts::fromItems(*read);
    if (!amounts.faults.empty()) {
        const StatutoryAmounts::Fault& fault = amounts.faults.front();
        std::vector<std::string> arguments = {
            TextPath::toUtf8(FileName::resolve(installation, Catalogue::kDefaultAmounts)),
            fault.label};
        if (fault.rate) arguments.push_back(*fault.rate);
        return Failure::refusing(fault.rate ? Error::Refusal::DefaultAmountRate
                                            : Error::Refusal::DefaultAmountNoRate,
                                 std::move(arguments));
    }
    return std::optional(std::move(amounts.amounts));
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9 (also with a superscript digit), in any
// letter case and whatever extension follows, name devices on Windows.
bool isReservedDeviceName(std::string_view name) {
    std::string stem(name.substr(0, name.find('.')));
    while (!stem.empty() && isBlank(stem.back()))
        stem.pop_back();
    for (char& c : stem)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    for (std::string_view device : {"CON", "PRN", "AUX", "NUL"})
        if (stem == device) return true;
    for (std::string_view port : {"COM", "LPT"}) {
        if (stem.size() < 4 || std::string_view(stem).substr(0, 3) != port) continue;
        const std::string_view digit = std::string_view(stem).substr(3);
        if (digit.size() == 1 && digit[0] >= '1' && digit[0] <= '9') return true;
        if (digit == "¹" || digit == "²" || digit == "³") return true;
    }
    return false;
}

} // namespace

bool StudyCreation::isTaken(const std::filesystem::path& installation, const std::string& name,
                            const std::filesystem::path& keeping) {
    std::error_code ec;
    const auto isKept = [&](const std::filesystem::path& path) {
        std::error_code ignored;
        return !keeping.empty() && std::filesystem::equivalent(path, keeping, ignored);
    };
    // A system that ignores letter case finds the folder by the name as it stands.
    const std::filesystem::path folder = installation / TextPath::fromUtf8(name);
    if (std::filesystem::exists(folder, ec) && !isKept(folder)) return true;
    // Elsewhere a folder whose name differs in letter case alone would still meet this one on
    // the machines the studies travel to.
    for (const auto& entry : std::filesystem::directory_iterator(installation, ec))
        if (FileName::sameName(TextPath::toUtf8(entry.path().filename()), name) &&
            !isKept(entry.path()))
            return true;
    return false;
}

Status StudyCreation::folderNameProblem(const std::string& name) {
    const auto refuse = [&name](Error::Refusal why, std::vector<std::string> more = {}) {
        more.insert(more.begin(), name);
        return Failure::refusing(why, std::move(more));
    };
    bool onlyBlanks = true;
    for (char c : name)
        if (!isBlank(c)) onlyBlanks = false;
    if (onlyBlanks) return Failure::refusing(Error::Refusal::FolderBlank);
    // "." and ".." name folders that exist already; Windows reads any run of dots and blanks
    // as one of them.
    if (name.find_first_not_of(". \t") == std::string::npos)
        return refuse(Error::Refusal::FolderDots);
    for (char c : name)
        if (FileName::refusedOnWindows(static_cast<unsigned char>(c)))
            return refuse(Error::Refusal::FolderCharacter);
    // Study folders travel between machines, and Windows drops a trailing dot or blank from a
    // folder name, so the folder would not be found there under its listed name.
    if (name.back() == '.' || isBlank(name.back()))
        return refuse(Error::Refusal::FolderTrailing, {name.back() == '.' ? "." : " "});
    if (StudyShelf::isShelfName(name)) return refuse(Error::Refusal::FolderShelf);
    if (isReservedDeviceName(name)) return refuse(Error::Refusal::FolderDevice);
    return {};
}

Status StudyCreation::detailsProblem(const std::filesystem::path& installation,
                                     const StudyDetails& typed,
                                     const std::filesystem::path& keeping) {
    const StudyDetails details = typed.normalised();
    const std::string name = details.folderName();
    if (Status problem = folderNameProblem(name); !problem) return problem;

    // The fields of the details come in the order of their refusals' fields.
    const auto fields = details.fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto field = static_cast<Error::Field>(
            static_cast<int>(Error::Field::OwnerFirstName) + static_cast<int>(i));
        if (Status problem = FieldCheck::storable(field, fields[i]); !problem) return problem;
    }

    const std::filesystem::path folder = installation / TextPath::fromUtf8(name);
    const std::string folderText = TextPath::toUtf8(folder);
    if (isTaken(installation, name, keeping))
        return Failure::refusing(Error::Refusal::StudyFolderTaken, {folderText});
    if (!ValueFile::isStorableText(folderText))
        return Failure::refusing(Error::Refusal::FolderPathNotStorable, {folderText});
    return {};
}

Status StudyCreation::problemWith(const std::filesystem::path& installation,
                                  const StudyDetails& typed) {
    if (Status problem = detailsProblem(installation, typed); !problem) return problem;

    const Result<DefaultLambda> lambda = defaultLambda(installation);
    if (!lambda) return lambda.error();
    if (!lambda->value)
        return Failure::refusing(
            Error::Refusal::DefaultLambda,
            {TextPath::toUtf8(FileName::resolve(installation, Catalogue::kDefaultLambda)),
             lambda->text});

    if (auto amounts = defaultAmounts(installation); !amounts) return amounts.error();

    // A list that cannot be read would lose every study it holds once this one is appended.
    if (auto listed = StudyList::listed(installation, Error::Context::AppendingStudy); !listed)
        return listed.error();
    return {};
}

StudyCreation::Outcome StudyCreation::create(const std::filesystem::path& installation,
                                             const StudyDetails& typed) {
    return make(installation, typed, {});
}

StudyCreation::Outcome StudyCreation::copy(const std::filesystem::path& installation,
                                           const std::filesystem::path& source,
                                           const StudyDetails& typed) {
    // The source is held against a calculation, a rename or a putting away while its files are
    // read; a folder that is only there to read is read without it.
    FileLock held(source, Catalogue::kReportLock);
    if (!held.status() && held.status().error().kind == Error::Kind::Busy)
        return {Failure::ofReportLock(source, held.status().error()), {}};
    const Result<StudyDetails> stored = Study(source).details();
    if (!stored) return {stored.error(), {}};
    const bool sameSpecialty =
        stored->normalised().engineer.specialty == typed.normalised().engineer.specialty;
    return make(installation, typed, [&](const std::filesystem::path& staging) -> Status {
        for (std::string_view name : Study::inputFiles()) {
            if (name == Catalogue::kDetails) continue;
            if (name == Catalogue::kSpecialty && !sameSpecialty) continue;
            Result<std::string> bytes = ValueFile::bytes(source, name);
            if (!bytes && bytes.error().kind == Error::Kind::NotFound) {
                // A source without amounts of its own adds the four of old, and so does its
                // copy, whatever the default for new studies is now.
                if (name == Catalogue::kAmounts) {
                    const auto made = staging / TextPath::fromUtf8(std::string(name));
                    std::error_code gone;
                    if (std::filesystem::remove(made, gone); gone)
                        return Failure::of(Error::Kind::WriteFailed, made, Failure::reasonOf(gone),
                                           Error::Context::StudyFolder);
                }
                continue;
            }
            if (!bytes) return bytes.error();
            if (Status s =
                    AtomicFile::replace(staging / TextPath::fromUtf8(std::string(name)), *bytes);
                !s)
                return s;
        }
        return {};
    });
}

StudyCreation::Outcome StudyCreation::make(const std::filesystem::path& installation,
                                           const StudyDetails& typed, const Start& start) {
    const StudyDetails details = typed.normalised();
    if (Status refused = problemWith(installation, details); !refused) return {refused, {}};

    const Result<DefaultLambda> defaultValue = defaultLambda(installation);
    const double lambda = defaultValue ? defaultValue->value.value_or(1.0) : 1.0;
    const std::filesystem::path folder = installation / TextPath::fromUtf8(details.folderName());
    const auto cannotCreate = [&folder](const std::error_code& why) {
        return Failure::of(Error::Kind::WriteFailed, folder, Failure::reasonOf(why),
                           Error::Context::StudyFolder);
    };

    // The study is put together under a name of its own and appears whole, or not at all.
    std::filesystem::path staging;
    std::error_code ec;
    bool made = false;
    for (int attempt = 0; attempt < AtomicFile::kAttempts && !made; ++attempt) {
        staging = AtomicFile::temporaryFor(folder, attempt);
        // Whatever already stands at a name, a planted link included, is passed over.
        made = std::filesystem::create_directory(staging, ec);
        if (ec && ec != std::errc::file_exists) break;
    }
    if (!made) return {cannotCreate(ec), folder};
    // Undoes the folder made so far and says why.
    auto discard = [](const std::filesystem::path& path, Status why) {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
        return why;
    };

    std::vector<ValueItem> fields;
    for (const std::string& field : details.fields())
        fields.push_back(ValueItem::text(field));
    const int code = Specialty::codeOf(details.engineer.specialty);
    std::vector<std::pair<std::string_view, std::vector<ValueItem>>> files = {
        {Catalogue::kDetails, fields},
        {Catalogue::kLambda, {ValueItem::bareNumber(lambda)}},
        {Catalogue::kZone, {ValueItem::number(1)}},
        {Catalogue::kSpecialty, {ValueItem::number(code)}}};
    if (auto amounts = defaultAmounts(installation).valueOr(std::nullopt))
        files.emplace_back(Catalogue::kAmounts, StatutoryAmounts::itemsOf(*amounts));
    for (const auto& [name, items] : files)
        if (Status s = ValueFile::write(staging, name, items); !s)
            return {discard(staging, s), folder};
    if (start)
        if (Status s = start(staging); !s) return {discard(staging, s), folder};

    // A folder of that name made meanwhile by another program stays as it is.
    if (std::filesystem::exists(folder, ec)) {
        const Status refused = problemWith(installation, details);
        return {discard(staging, refused ? Status(cannotCreate({})) : refused), folder};
    }
    std::filesystem::rename(staging, folder, ec);
    if (ec) return {discard(staging, cannotCreate(ec)), folder};
    if (Status s = AtomicFile::syncFolder(installation); !s) return {discard(folder, s), folder};

    const StudyEntry entry{details.ownerFirstName, details.ownerSurname};
    if (Status s = StudyList::append(installation, entry); !s) return {discard(folder, s), folder};
    if (Status s = Installation::setCurrentStudy(installation, folder); !s) {
        // Best effort on the way out: the user is told why the study could not be made current.
        (void)StudyList::takeBack(installation, entry);
        return {discard(folder, s), folder};
    }
    return {Status(), folder};
}

} // namespace velmora::store
