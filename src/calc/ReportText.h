#pragma once

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
        // Why each section file that is there could not be read, in Greek.
        std::vector<std::string> unreadable;

        bool whole() const { return missing.empty() && unreadable.empty(); }
        // What keeps the report from being whole, in Greek; empty when it is.
        std::string problem() const;
    };

    static Report join(const std::filesystem::path& study);

    // A message in Greek naming the missing section files, for a report with any.
    static std::string missingMessage(const std::vector<std::string>& missing);
};

} // namespace velmora::calc
