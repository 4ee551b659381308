#pragma once

#include <filesystem>

namespace velmora::testing {

// A fresh folder under the system's temporary folder for one test, removed with all it holds when
// the test ends, so no test ever touches a real installation.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& relative) const {
        return path_ / relative;
    }

private:
    std::filesystem::path path_;
};

} // namespace velmora::testing
