#include "store/text/ValueItems.h"

namespace velmora::store {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Steps over one line end (CR LF, or a lone CR or LF) at text[i].
std::size_t skipLineEnd(std::string_view text, std::size_t i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') return i + 2;
    return i + 1;
}

} // namespace

std::vector<std::string> ValueItems::split(std::string_view text) {
    std::vector<std::string> items;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        while (i < n && isBlank(text[i]))
            ++i;
        std::string item;
        if (i < n && text[i] == '"') {
            std::size_t close = text.find('"', i + 1);
            if (close == std::string_view::npos) close = n;
            item.assign(text.substr(i + 1, close - i - 1));
            i = close < n ? close + 1 : n;
            while (i < n && text[i] != ',' && !isLineEnd(text[i]))
                ++i;
        } else {
            std::size_t start = i;
            while (i < n && text[i] != ',' && !isLineEnd(text[i]))
                ++i;
            item.assign(text.substr(start, i - start));
        }
        items.push_back(std::move(item));
        if (i < n) {
            if (text[i] == ',') {
                ++i;
                // A comma at the very end still ends an item: the empty one after it.
                if (i == n) items.emplace_back();
            } else {
                i = skipLineEnd(text, i);
            }
        }
    }
    return items;
}

ValueItems::Form ValueItems::formOf(std::string_view text) {
    bool needsQuotes = !text.empty() && (isBlank(text.front()) || text.front() == '"');
    for (char c : text)
        if (c == ',' || isLineEnd(c)) needsQuotes = true;
    if (!needsQuotes) return Form::Plain;
    if (text.find('"') != std::string_view::npos) return Form::Unstorable;
    return Form::Quoted;
}

std::optional<std::string> ValueItems::textLine(std::string_view text) {
    switch (formOf(text)) {
    case Form::Plain:
        return std::string(text);
    case Form::Quoted:
        return '"' + std::string(text) + '"';
    case Form::Unstorable:
        break;
    }
    return std::nullopt;
}

} // namespace velmora::store
