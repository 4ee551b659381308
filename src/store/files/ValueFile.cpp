#include "store/files/ValueFile.h"

#include "store/base/TextPath.h"
#include "store/files/AtomicFile.h"
#include "store/files/Failure.h"
#include "store/files/FileName.h"
#include "store/files/RegularFile.h"
#include "store/text/Cp1253.h"
#include "store/text/NumberText.h"
#include "store/text/ValueItems.h"

namespace velmora::store {
namespace {

// The file decoded to UTF-8 and handed to `parse`, or why it cannot be read.
// A value file that is a link is read only where it leads inside its own folder: a folder copied
// from elsewhere must not make the program show, or write into a report, a file of this machine.
// A link that leads nowhere, or round in a circle, is left for the reading to report.
std::optional<Error> leadsOut(const std::filesystem::path& folder,
                              const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(file, ec)) return std::nullopt;
    const std::filesystem::path target = std::filesystem::canonical(file, ec);
    if (ec || !std::filesystem::is_regular_file(target, ec)) return std::nullopt;
    if (std::filesystem::equivalent(target.parent_path(), folder, ec)) return std::nullopt;
    return Failure::of(Error::Kind::NotReadable, file, {}, Error::Context::LinkOutside);
}

Result<std::string> rawBytes(const std::filesystem::path& folder, std::string_view name) {
    const std::filesystem::path file = FileName::resolve(folder, name);
    if (auto refused = leadsOut(folder, file)) return std::move(*refused);
    return RegularFile::read(file);
}

template <class Parse>
Result<std::vector<std::string>> readWith(const std::filesystem::path& folder,
                                          std::string_view name, Parse parse) {
    Result<std::string> raw = rawBytes(folder, name);
    if (!raw) return raw.error();
    return parse(Cp1253::decode(*raw));
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string::npos) end = n;
        lines.push_back(text.substr(i, end - i));
        if (end < n && text[end] == '\r' && end + 1 < n && text[end + 1] == '\n')
            i = end + 2;
        else
            i = end + 1;
    }
    return lines;
}

Error notStorable(const std::filesystem::path& folder, std::string_view name,
                  std::string_view text) {
    return Failure::quoting(Error::Kind::NotStorable, FileName::resolve(folder, name),
                            std::string(text));
}

} // namespace

Result<std::string> ValueFile::bytes(const std::filesystem::path& folder, std::string_view name) {
    return rawBytes(folder, name);
}

Result<std::vector<std::string>> ValueFile::read(const std::filesystem::path& folder,
                                                 std::string_view name) {
    return readWith(folder, name, ValueItems::split);
}

Result<std::vector<std::string>> ValueFile::readIfThere(const std::filesystem::path& folder,
                                                        std::string_view name) {
    Result<std::vector<std::string>> items = read(folder, name);
    if (!items && items.error().kind == Error::Kind::NotFound) return std::vector<std::string>{};
    return items;
}

std::vector<double> ValueFile::numbersOf(const std::vector<std::string>& items, std::size_t count,
                                         OnFault onFault) {
    std::vector<double> values(count, 0.0);
    for (std::size_t i = 0; i < count && i < items.size(); ++i) {
        const auto value = NumberText::parse(items[i]);
        if (!value && onFault == OnFault::ZeroTheRest) break;
        values[i] = value.value_or(0.0);
    }
    return values;
}

std::vector<double> ValueFile::readNumbers(const std::filesystem::path& folder,
                                           std::string_view name, std::size_t count,
                                           OnFault onFault) {
    return numbersOf(read(folder, name).valueOr({}), count, onFault);
}

Result<std::vector<std::string>> ValueFile::readLines(const std::filesystem::path& folder,
                                                      std::string_view name) {
    return readWith(folder, name, linesOf);
}

std::optional<std::string> ValueFile::lineOf(const ValueItem& item) {
    switch (item.kind) {
    case ValueItem::Kind::Text:
        return ValueItems::textLine(item.textValue);
    case ValueItem::Kind::Number:
        return NumberText::signedField(item.numberValue, NumberText::kDoubleDigits);
    case ValueItem::Kind::BareNumber:
        return NumberText::general(item.numberValue, NumberText::kDoubleDigits);
    }
    return std::nullopt;
}

Status ValueFile::write(const std::filesystem::path& folder, std::string_view name,
                        const std::vector<ValueItem>& items) {
    std::vector<std::string> lines;
    lines.reserve(items.size());
    for (const ValueItem& item : items) {
        auto line = lineOf(item);
        if (!line) return notStorable(folder, name, item.textValue);
        lines.push_back(std::move(*line));
    }
    return writeLines(folder, name, lines);
}

Status ValueFile::writeLines(const std::filesystem::path& folder, std::string_view name,
                             const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        auto encoded = Cp1253::encode(line);
        if (!encoded) return notStorable(folder, name, line);
        bytes += *encoded;
        bytes += "\r\n";
    }
    return AtomicFile::replace(FileName::resolve(folder, name), bytes);
}

bool ValueFile::isStorableText(std::string_view text) {
    return Cp1253::canEncode(text) && ValueItems::formOf(text) != ValueItems::Form::Unstorable;
}

} // namespace velmora::store
