#include "store/ListFile.h"

#include "store/FileName.h"
#include "store/ValueFile.h"

#include <exception>
#include <system_error>

namespace velmora::store {

ListFile::Contents ListFile::read(const std::filesystem::path& installation,
                                  std::string_view name) {
    const std::filesystem::path path = FileName::resolve(installation, name);
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (status.type() == std::filesystem::file_type::not_found) {
        ValueFile::writeLines(installation, name, {});
        return {State::Missing, {}};
    }
    if (ec || status.type() != std::filesystem::file_type::regular) return {State::Unreadable, {}};
    try {
        if (auto items = ValueFile::read(installation, name))
            return {State::Read, std::move(*items)};
    } catch (const std::exception&) {
        // A read error deep in the stream; the list counts as unreadable like any other.
    }
    return {State::Unreadable, {}};
}

} // namespace velmora::store
