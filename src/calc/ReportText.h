#pragma once

#include "store/base/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::calc {

// The fee report: the twelve section files of a study joined in report order, every line
// followed by CR LF. The report window, the printed report and velmora-cli all read it here, and
// always whole from one calculation: under the study's report lock, or, where none can be taken
// (a folder no calculation of this program has written, a colleague's read-only share), read
// twice over until both readings agree.
class ReportText {
public:
    struct Report {
        std::string text;
        // Section files that are not there, in report order.
        std::vector<std::string> missing;
        // Why each section file that is there could not be read.
        std::vector<store::Error> unreadable;

        bool whole() const { return missing.empty() && unreadable.empty(); }
        bool operator==(const Report&) const = default;
    };

    // How often a reading without the lock is tried before the study counts as busy.
    static constexpr int kAttempts = 100;

    static Report join(const std::filesystem::path& study);
};

} // namespace velmora::calc
