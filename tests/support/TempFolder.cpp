#include "TempFolder.h"

#include <atomic>
#include <random>
#include <string>
#include <system_error>

namespace velmora::testing {

TempFolder::TempFolder() {
    static std::atomic<unsigned> counter{0};
    // Test programs run side by side under ctest -j, so the name must not depend on this
    // process alone.
    std::random_device random;
    const std::string name =
        "velmora-test-" + std::to_string(random()) + "-" + std::to_string(counter.fetch_add(1));
    path_ = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

} // namespace velmora::testing
