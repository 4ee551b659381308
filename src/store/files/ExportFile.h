#pragma once

#include "store/base/Status.h"

#include <cstddef>
#include <filesystem>

namespace velmora::store {

// A file the user asks for outside any study, such as the report as PDF. It is drawn first where
// nobody looks, by a library that writes only by name, and then takes the place of the file the
// user chose the way every file of the program does: whole or not at all.
class ExportFile {
public:
    static Status put(const std::filesystem::path& drawn, const std::filesystem::path& target,
                      std::size_t limit);
};

} // namespace velmora::store
