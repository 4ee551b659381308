#include "store/ExportFile.h"

#include "store/AtomicFile.h"
#include "store/RegularFile.h"

namespace velmora::store {

Status ExportFile::put(const std::filesystem::path& drawn, const std::filesystem::path& target,
                       std::size_t limit) {
    const Result<std::string> contents = RegularFile::read(drawn, limit);
    if (!contents) return contents.error();
    return AtomicFile::replace(target, *contents);
}

} // namespace velmora::store
