#pragma once

#include <filesystem>
#include <string>

namespace velmora::calc {

// When a study was last calculated and the fee that calculation printed, as its totals section
// tells, for listing studies without pricing them again. Both empty for a study never calculated.
struct LastCalculation {
    // Local time of the totals section's last writing, "YYYY-MM-DD HH:MM".
    std::string when;
    // The study fee as printed, with a point whatever separator it was printed with.
    std::string fee;

    static LastCalculation of(const std::filesystem::path& study);
};

} // namespace velmora::calc
