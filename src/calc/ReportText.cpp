#include "calc/ReportText.h"

#include "store/Catalogue.h"
#include "store/ValueFile.h"

namespace velmora::calc {

ReportText::Report ReportText::join(const std::filesystem::path& study) {
    Report report;
    for (std::string_view section : store::Catalogue::kReportOrder) {
        const store::FileContents lines = store::ValueFile::loadLines(study, section);
        if (lines.state == store::FileContents::State::Missing)
            report.missing.emplace_back(section);
        if (lines.state == store::FileContents::State::Unreadable)
            report.unreadable.push_back(lines.problem);
        for (const std::string& line : lines.items) {
            report.text += line;
            report.text += "\r\n";
        }
    }
    return report;
}

std::string ReportText::Report::problem() const {
    std::string message = missing.empty() ? std::string() : missingMessage(missing);
    for (const std::string& reason : unreadable)
        message += (message.empty() ? "" : "\n") + reason;
    return message;
}

std::string ReportText::missingMessage(const std::vector<std::string>& missing) {
    std::string names;
    for (const std::string& name : missing) {
        if (!names.empty()) names += ", ";
        names += name;
    }
    return "Λείπουν αρχεία της έκθεσης αμοιβών (" + names +
           "). Εκτελέστε πρώτα τους «Υπολογισμούς» για την τρέχουσα μελέτη.";
}

} // namespace velmora::calc
