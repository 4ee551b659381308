#include "calc/ReportText.h"

#include "calc/ReportLock.h"
#include "store/base/Catalogue.h"
#include "store/files/Failure.h"
#include "store/files/ValueFile.h"

namespace velmora::calc {
namespace {

ReportText::Report read(const std::filesystem::path& study) {
    ReportText::Report report;
    for (std::string_view section : store::Catalogue::kReportOrder) {
        const auto lines = store::ValueFile::readLines(study, section);
        if (!lines) {
            if (lines.error().kind == store::Error::Kind::NotFound)
                report.missing.emplace_back(section);
            else
                report.unreadable.push_back(lines.error());
            continue;
        }
        for (const std::string& line : *lines) {
            report.text += line;
            report.text += "\r\n";
        }
    }
    return report;
}

ReportText::Report busy(const std::filesystem::path& study, const store::Error& why) {
    ReportText::Report report;
    report.unreadable.push_back(ReportLock::problem(study, why));
    return report;
}

} // namespace

ReportText::Report ReportText::join(const std::filesystem::path& study) {
    store::Error lastWhy = store::Failure::of(store::Error::Kind::Busy, {});
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        const store::FileLock lock = ReportLock::forReading(study);
        if (lock.status()) return read(study);
        if (lock.status().error().kind == store::Error::Kind::Busy)
            return busy(study, lock.status().error());
        const Report first = read(study);
        if (!(read(study) == first)) continue;
        // A calculation that began meanwhile has made the lock file: what was read may be half
        // of it, so it is read again under the lock. The file is never taken away, so where it
        // is still missing no calculation of ours has begun.
        const store::FileLock after = ReportLock::forReading(study);
        if (after.status()) return read(study);
        if (after.status().error().kind == store::Error::Kind::Busy) {
            lastWhy = after.status().error();
            continue;
        }
        return first;
    }
    return busy(study, lastWhy);
}

} // namespace velmora::calc
