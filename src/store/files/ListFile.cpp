#include "store/files/ListFile.h"

#include "store/files/FileLock.h"

namespace velmora::store {

ListFile::Contents ListFile::read(const std::filesystem::path& installation,
                                  std::string_view name) {
    Contents contents = ValueFile::load(installation, name);
    if (contents.state != State::Missing) return contents;
    // Another program may be appending the first entry right now; its list must not be
    // replaced by an empty one.
    FileLock lock(installation, name);
    if (!lock.status()) return contents;
    contents = ValueFile::load(installation, name);
    // The empty list is a courtesy: when it cannot be made, the list is still missing, which is
    // what the caller is told, and the first append reports why it cannot write.
    if (contents.state == State::Missing) (void)ValueFile::writeLines(installation, name, {});
    return contents;
}

} // namespace velmora::store
