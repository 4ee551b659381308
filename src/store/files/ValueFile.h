#pragma once

#include "store/base/Status.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::store {

// One item to write to a value file, in one of its three forms.
struct ValueItem {
    enum class Kind { Text, Number, BareNumber };

    static ValueItem text(std::string value) { return {Kind::Text, std::move(value), 0}; }
    // " 12 ", "-.25 ": blank or minus sign, general format, blank.
    static ValueItem number(double value) { return {Kind::Number, {}, value}; }
    // "1.2": the digits alone.
    static ValueItem bareNumber(double value) { return {Kind::BareNumber, {}, value}; }

    Kind kind;
    std::string textValue;
    double numberValue;
};

// Reading and replacing whole value files and the plain text files of the report. Names are those
// of the file catalogue; they are resolved without regard to letter case. Files are Windows-1253
// with CR LF line ends on disk and UTF-8 here.
class ValueFile {
public:
    // The file's bytes as they stand, read as `read` reads them; NotFound when it is not there.
    static Result<std::string> bytes(const std::filesystem::path& folder, std::string_view name);
    // Every item of the file; NotFound when it is not there.
    static Result<std::vector<std::string>> read(const std::filesystem::path& folder,
                                                 std::string_view name);
    // The same, where a file not written yet simply holds nothing: only a file that is there but
    // cannot be read fails.
    static Result<std::vector<std::string>> readIfThere(const std::filesystem::path& folder,
                                                        std::string_view name);

    // Replaces the file with one item per line. Refuses, writing nothing, an item that the code
    // page or the item format cannot keep.
    static Status write(const std::filesystem::path& folder, std::string_view name,
                        const std::vector<ValueItem>& items);

    // What an item that is not a number does to the reading of a file of numbers.
    enum class OnFault {
        // It is 0, and the items after it are read.
        ZeroThatItem,
        // It ends the reading: it and every item after it are 0.
        ZeroTheRest,
    };

    // The first `count` items of the file as numbers; a file that cannot be read or a missing
    // item gives 0 in its place, an item that is not a number as `onFault` says.
    static std::vector<double> readNumbers(const std::filesystem::path& folder,
                                           std::string_view name, std::size_t count,
                                           OnFault onFault = OnFault::ZeroThatItem);
    // The same, for items already read.
    static std::vector<double> numbersOf(const std::vector<std::string>& items, std::size_t count,
                                         OnFault onFault = OnFault::ZeroThatItem);

    // The lines of a text file without their line ends; NotFound when it is not there.
    static Result<std::vector<std::string>> readLines(const std::filesystem::path& folder,
                                                      std::string_view name);

    // Replaces a text file with the given lines, each ended by CR LF.
    static Status writeLines(const std::filesystem::path& folder, std::string_view name,
                             const std::vector<std::string>& lines);

    // The line that stores one item, or nothing for a text the format cannot keep.
    static std::optional<std::string> lineOf(const ValueItem& item);

    // Whether a text typed by the user can be kept as a text item: every character has a place
    // in the code page, and the item format can give it back as it stands.
    static bool isStorableText(std::string_view text);
};

} // namespace velmora::store
