#include "calc/ReportLock.h"

#include "store/Catalogue.h"
#include "store/Failure.h"

namespace velmora::calc {

using store::Catalogue;
using store::Failure;
using store::FileLock;

FileLock ReportLock::forWriting(const std::filesystem::path& study) {
    return FileLock(study, Catalogue::kReportLock, FileLock::Mode::Exclusive);
}

FileLock ReportLock::forReading(const std::filesystem::path& study) {
    return FileLock(study, Catalogue::kReportLock, FileLock::Mode::Shared);
}

store::Error ReportLock::problem(const std::filesystem::path& study, const store::Error& why) {
    if (why.kind == store::Error::Kind::Busy)
        return Failure::of(store::Error::Kind::Busy, study, {}, Failure::kReportBusy);
    return Failure::of(why.kind, FileLock::lockFileFor(study, Catalogue::kReportLock), why.reason,
                       Failure::kReportLock);
}

} // namespace velmora::calc
