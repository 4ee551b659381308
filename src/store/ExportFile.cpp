#include "store/ExportFile.h"

#include "store/AtomicFile.h"
#include "store/RegularFile.h"
#include "store/TextPath.h"

namespace velmora::store {

Status ExportFile::put(const std::filesystem::path& drawn, const std::filesystem::path& target,
                       std::size_t limit) {
    const RegularFile::Contents contents = RegularFile::read(drawn, limit);
    if (contents.state != RegularFile::State::Read)
        return Status::failure("Το αρχείο που σχεδιάστηκε στον φάκελο «" +
                               TextPath::toUtf8(drawn.parent_path()) + "» δεν διαβάζεται.");
    return AtomicFile::replace(target, contents.bytes);
}

} // namespace velmora::store
