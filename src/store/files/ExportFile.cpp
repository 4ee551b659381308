#include "store/files/ExportFile.h"

#include "store/files/AtomicFile.h"
#include "store/files/RegularFile.h"

namespace velmora::store {

Status ExportFile::put(const std::filesystem::path& drawn, const std::filesystem::path& target,
                       std::size_t limit) {
    const Result<std::string> contents = RegularFile::read(drawn, limit);
    if (!contents) return contents.error();
    return AtomicFile::replace(target, *contents);
}

} // namespace velmora::store
