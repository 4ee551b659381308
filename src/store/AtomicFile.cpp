#include "store/AtomicFile.h"

#include "store/TextPath.h"

#include <fstream>
#include <system_error>

namespace velmora::store {
namespace {

Status cannotWrite(const std::filesystem::path& target) {
    return Status::failure("Δεν ήταν δυνατή η εγγραφή του αρχείου «" +
                           TextPath::toUtf8(target.filename()) + "» στον φάκελο «" +
                           TextPath::toUtf8(target.parent_path()) + "».");
}

} // namespace

std::filesystem::path AtomicFile::temporaryFor(const std::filesystem::path& target) {
    std::filesystem::path temporary = target;
    temporary += ".tmp";
    return temporary;
}

Status AtomicFile::replace(const std::filesystem::path& target, std::string_view bytes) {
    const std::filesystem::path temporary = temporaryFor(target);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return cannotWrite(target);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return cannotWrite(target);
        }
    }
    std::error_code ec;
    std::filesystem::rename(temporary, target, ec);
    if (ec) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        return cannotWrite(target);
    }
    return Status::success();
}

} // namespace velmora::store
