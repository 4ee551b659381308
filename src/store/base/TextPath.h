#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace velmora::store {

// Paths travel through the program as UTF-8 text; these two keep that true on every platform.
class TextPath {
public:
    static std::filesystem::path fromUtf8(std::string_view utf8);
    static std::string toUtf8(const std::filesystem::path& path);
};

} // namespace velmora::store
