#include "store/ValueFile.h"

#include "store/AtomicFile.h"
#include "store/Cp1253.h"
#include "store/FileName.h"
#include "store/NumberText.h"
#include "store/TextPath.h"
#include "store/ValueItems.h"

#include <fstream>
#include <iterator>

namespace velmora::store {
namespace {

std::optional<std::string> readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // The stream library throws when the name is a folder rather than a file; that is a file
    // that cannot be read, like any other.
    try {
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) return std::nullopt;
        return bytes;
    } catch (const std::ios_base::failure&) {
        return std::nullopt;
    }
}

std::optional<std::string> readText(const std::filesystem::path& folder, std::string_view name) {
    auto bytes = readBytes(FileName::resolve(folder, name));
    if (!bytes) return std::nullopt;
    return Cp1253::decode(*bytes);
}

Status notStorable(std::string_view name, std::string_view text) {
    return Status::failure("Το κείμενο «" + std::string(text) +
                           "» δεν μπορεί να αποθηκευτεί στο αρχείο «" + std::string(name) +
                           "»: περιέχει χαρακτήρες που δεν αποθηκεύονται.");
}

} // namespace

std::optional<std::vector<std::string>> ValueFile::read(const std::filesystem::path& folder,
                                                        std::string_view name) {
    auto text = readText(folder, name);
    if (!text) return std::nullopt;
    return ValueItems::split(*text);
}

std::vector<double> ValueFile::readNumbers(const std::filesystem::path& folder,
                                           std::string_view name, std::size_t count,
                                           OnFault onFault) {
    std::vector<double> values(count, 0.0);
    auto items = read(folder, name);
    if (!items) return values;
    for (std::size_t i = 0; i < count && i < items->size(); ++i) {
        const auto value = NumberText::parse((*items)[i]);
        if (!value && onFault == OnFault::ZeroTheRest) break;
        values[i] = value.value_or(0.0);
    }
    return values;
}

std::optional<std::vector<std::string>> ValueFile::readLines(const std::filesystem::path& folder,
                                                             std::string_view name) {
    auto text = readText(folder, name);
    if (!text) return std::nullopt;
    std::vector<std::string> lines;
    std::size_t i = 0;
    const std::size_t n = text->size();
    while (i < n) {
        std::size_t end = text->find_first_of("\r\n", i);
        if (end == std::string::npos) end = n;
        lines.push_back(text->substr(i, end - i));
        if (end < n && (*text)[end] == '\r' && end + 1 < n && (*text)[end + 1] == '\n')
            i = end + 2;
        else
            i = end + 1;
    }
    return lines;
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
        if (!line) return notStorable(name, item.textValue);
        lines.push_back(std::move(*line));
    }
    return writeLines(folder, name, lines);
}

Status ValueFile::writeLines(const std::filesystem::path& folder, std::string_view name,
                             const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        auto encoded = Cp1253::encode(line);
        if (!encoded) return notStorable(name, line);
        bytes += *encoded;
        bytes += "\r\n";
    }
    return AtomicFile::replace(FileName::resolve(folder, name), bytes);
}

bool ValueFile::isStorableText(std::string_view text) {
    return Cp1253::canEncode(text) && ValueItems::formOf(text) != ValueItems::Form::Unstorable;
}

} // namespace velmora::store
