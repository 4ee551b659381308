#include "calc/ReportText.h"

#include "store/Catalogue.h"
#include "store/ValueFile.h"

namespace velmora::calc {

ReportText::Report ReportText::join(const std::filesystem::path& study) {
    Report report;
    for (std::string_view section : store::Catalogue::kReportOrder) {
        auto lines = store::ValueFile::readLines(study, section);
        if (!lines) {
            report.missing.emplace_back(section);
            continue;
        }
        for (const std::string& line : *lines) {
            report.text += line;
            report.text += "\r\n";
        }
    }
    return report;
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
