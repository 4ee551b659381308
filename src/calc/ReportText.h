#pragma once

#include "store/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::calc {

// The fee report: the twelve section files of a study joined in report order, every line
// followed by CR LF.
class ReportText {
public:
    struct Report {
        std::string text;
        // Section files that are not there, in report order.
        std::vector<std::string> missing;
        // Why each section file that is there could not be read.
        std::vector<store::Error> unreadable;

        bool whole() const { return missing.empty() && unreadable.empty(); }
    };

    static Report join(const std::filesystem::path& study);
};

} // namespace velmora::calc
