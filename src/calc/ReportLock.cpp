#include "calc/ReportLock.h"

#include "store/base/Catalogue.h"
#include "store/files/Failure.h"

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
    return Failure::ofReportLock(study, why);
}

} // namespace velmora::calc
