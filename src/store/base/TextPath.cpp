#include "store/base/TextPath.h"

namespace velmora::store {

std::filesystem::path TextPath::fromUtf8(std::string_view utf8) {
    std::u8string text(utf8.begin(), utf8.end());
    return std::filesystem::path(text);
}

std::string TextPath::toUtf8(const std::filesystem::path& path) {
    std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

} // namespace velmora::store
