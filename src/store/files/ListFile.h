#pragma once

#include "store/files/ValueFile.h"

#include <filesystem>
#include <string_view>

namespace velmora::store {

// Reads the lists of the installation folder that only ever grow (the list of studies and the
// engineer registry), telling a list that is not there from one that cannot be read: the first
// is simply empty, while rewriting the second would drop every entry it holds.
class ListFile {
public:
    using State = FileContents::State;
    using Contents = FileContents;

    // A missing list is created empty on the way, so the next reader finds it.
    static Contents read(const std::filesystem::path& installation, std::string_view name);
};

} // namespace velmora::store
