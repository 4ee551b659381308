#include "store/Failure.h"

#include "store/TextPath.h"

#include <new>
#include <system_error>

namespace velmora::store {
namespace {

// Windows ends its reasons with a period and a line end; the sentence around them has its own.
std::string trimmed(std::string reason) {
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' ||
                               reason.back() == ' ' || reason.back() == '.'))
        reason.pop_back();
    return reason;
}

} // namespace

Error Failure::of(Error::Kind kind, const std::filesystem::path& file, std::string reason,
                  std::string_view detail) {
    return {kind, file.empty() ? std::string() : TextPath::toUtf8(file), trimmed(std::move(reason)),
            std::string(detail)};
}

std::string Failure::reasonOfErrno(int error) {
    return error == 0 ? std::string() : std::generic_category().message(error);
}

#ifdef _WIN32
std::string Failure::reasonOfSystem(unsigned long error) {
    return error == 0 ? std::string() : std::system_category().message(static_cast<int>(error));
}
#endif

Error Failure::unexpected(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const std::bad_alloc&) {
        return {Error::Kind::OutOfMemory, {}, {}, {}};
    } catch (const std::exception& error) {
        return {Error::Kind::Unexpected, {}, {}, error.what()};
    } catch (...) {
    }
    return {Error::Kind::Unexpected, {}, {}, {}};
}

} // namespace velmora::store
