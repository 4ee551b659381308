#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace velmora::store {

// Why something the program asked of the disk did not happen. The core says what went wrong,
// with which file and in the operating system's own words; the windows and the command-line tool
// turn that into a sentence for the user.
struct Error {
    enum class Kind {
        NoStudy,        // there is no current study to work on
        NotFound,       // the file or folder is not there
        Short,          // the file is there but holds fewer items than it should
        NotReadable,    // it is there but cannot be read
        NotRegularFile, // a pipe, a device or a folder stands where a file was expected
        TooLarge,       // larger than any file the program writes
        NotStorable,    // a text the code page or the file format cannot keep
        WriteFailed,    // the file could not be written or replaced
        Refused,        // the input makes no sense; `refusal` says why
        Busy,           // another program holds it at this moment
        OutOfMemory,    // the memory ran out half way
        Unexpected,     // a fault nobody foresaw; `detail` says what is known
    };

    // What the program was doing, where the sentence for the user depends on it.
    enum class Context {
        File,                // a plain read or write of the file
        Pointer,             // reading the current-study pointer
        CurrentStudy,        // reaching the current study
        ListingStudy,        // listing the current study
        OutsideInstallation, // a study path that leads out of the installation folder
        LinkOutside,         // a value file that is a link to a file outside its folder
        AppendingStudy,      // appending to the list of studies
        ChangingList,        // correcting, copying or putting away a study: the list is rewritten
        StudyRename,         // renaming a study folder, for a new owner's name
        AppendingEngineer,   // appending to the engineer registry
        ProgramFolder,       // creating the program folder or, for a failure to read, reaching it
        NoHome,              // no home folder to find the program folder by
        StudyFolder,         // creating the study folder
        MovingStudy,         // moving a study folder in or out of the folder of put-away studies
        Lock,                // creating the lock file of a list
        ReportLock,          // creating the lock file of a study's report
        ReportBusy,          // a study's report held by another program
        FolderSync,          // syncing the folder
        Pdf,                 // writing the PDF
        PdfInTheWay,         // no file at the PDF's name
    };
    // Why a plain write failed, as far as the user can do something about it.
    enum class Obstacle { None, DiskFull, NotPermitted, FolderInTheWay, NotAFile };
    // Why an input, or the state of the studies, is refused (Kind::Refused); `arguments` holds
    // what the sentence quotes, in the order given here.
    enum class Refusal {
        None,                  // not a refusal
        StoredNotANumber,      // the file's name, its item: no number the program takes there
        AreaTooLarge,          // an area whose count of points cannot be worked out
        LambdaNotPositive,     // λ as typed: no positive number
        ListChanged,           // the list of studies changed meanwhile
        ShelvedNotFound,       // the put-away study's folder name
        FolderTaken,           // the folder name a study brought back would take
        EntryWithoutOwner,     // the entry as listed: it names no folder
        EntryNotAFolder,       // the entry as listed, the folder it names
        TooManyAmounts,        // the most there may be, how many were given
        AmountWithoutLabel,    // the amount's number
        AmountLabelControl,    // the amount's number, its label
        AmountRate,            // the rate as typed, the amount's number
        StudyFolderTaken,      // the new study's folder, which another study has
        FolderPathNotStorable, // the new study's folder, which the pointer file cannot hold
        DefaultLambda,         // the default λ's file, its item: no positive number
        DefaultAmountNoRate,   // the default amounts' file, the label of an amount without a rate
        DefaultAmountRate,     // the default amounts' file, an amount's label, its rate as stored
        FieldCharacter,        // `field` holds a character that cannot be stored: the character
                               // as it shows, its code in hex; an amount's number last
        FieldQuotes,           // `field` holds quotes that cannot be stored; an amount's number
        FolderBlank,           // the owner's names make a study folder name of blanks only
        FolderDots,            // the folder name they make: dots only
        FolderCharacter,       // the folder name: holds a character Windows refuses
        FolderTrailing,        // the folder name, then "." or " ": what it ends in
        FolderShelf,           // the folder name: that of the put-away studies' folder
        FolderDevice,          // the folder name: a device name on Windows
        QuantityNotANumber,    // the text as typed, the name of its field
        QuantityNegative,      // the text as typed, the name of its field
        QuantityThousands,     // the text as typed, its field, then the number without its
                               // point and with a decimal comma instead
    };
    // The typed field a refusal is about.
    enum class Field {
        None,
        // A study's details, in the order they are stored.
        OwnerFirstName,
        OwnerSurname,
        OwnerAddress,
        OwnerCity,
        Municipality,
        District,
        Location,
        EngineerFirstName,
        EngineerSurname,
        EngineerAddress,
        EngineerCity,
        EngineerSpecialty,
        // An engineer of the registry.
        RegisteredFirstName,
        RegisteredSurname,
        RegisteredAddress,
        RegisteredCity,
        RegisteredSpecialty,
        // A statutory amount's label.
        AmountLabel,
    };

    Kind kind = Kind::Unexpected;
    // The file or folder it concerns, as UTF-8; empty when none.
    std::string file;
    // The operating system's reason, as it gives it; empty when it gave none.
    std::string reason;
    Context context = Context::File;
    Obstacle obstacle = Obstacle::None;
    Refusal refusal = Refusal::None;
    Field field = Field::None;
    std::vector<std::string> arguments;
    // The text the sentence quotes: the text a file cannot keep, what an unexpected exception
    // said.
    std::string detail;

    bool operator==(const Error&) const = default;
};

// A value, or why there is none.
template <class T> class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::move(value)) {}
    Result(Error error) : state_(std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() { return std::get<0>(state_); }
    const T& value() const { return std::get<0>(state_); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const Error& error() const { return std::get<1>(state_); }

    // The value when there is one, for a caller that has nothing to say about the error.
    std::optional<T> maybe() const {
        if (!ok()) return std::nullopt;
        return value();
    }
    // The value, or `fallback` when there is none.
    T valueOr(T fallback) const { return ok() ? value() : std::move(fallback); }

private:
    std::variant<T, Error> state_;
};

// Done, or why not.
template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error) : error_(std::move(error)), ok_(false) {}

    bool ok() const { return ok_; }
    explicit operator bool() const { return ok_; }
    const Error& error() const { return error_; }

private:
    Error error_;
    bool ok_ = true;
};

} // namespace velmora::store
