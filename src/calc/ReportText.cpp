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
            report.unreadable.push_back(lines.error);
        for (const std::string& line : lines.items) {
            report.text += line;
            report.text += "\r\n";
        }
    }
    return report;
}

} // namespace velmora::calc
