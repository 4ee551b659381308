#include "store/files/Failure.h"

#include "store/base/Catalogue.h"
#include "store/base/TextPath.h"
#include "store/files/FileLock.h"

#include <new>

#ifdef _WIN32
#include <windows.h>
#endif

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
                  Error::Context context) {
    Error error;
    error.kind = kind;
    if (!file.empty()) error.file = TextPath::toUtf8(file);
    error.reason = trimmed(std::move(reason));
    error.context = context;
    return error;
}

Error Failure::during(Error why, Error::Context doing) {
    why.context = doing;
    return why;
}

Error Failure::of(Error::Kind kind, const std::filesystem::path& file, std::string reason,
                  Error::Obstacle obstacle) {
    Error error = of(kind, file, std::move(reason));
    error.obstacle = obstacle;
    return error;
}

Error Failure::quoting(Error::Kind kind, const std::filesystem::path& file, std::string text) {
    Error error = of(kind, file);
    error.detail = std::move(text);
    return error;
}

Error Failure::refusing(Error::Refusal why, std::vector<std::string> arguments,
                        const std::filesystem::path& file) {
    Error error = of(Error::Kind::Refused, file);
    error.refusal = why;
    error.arguments = std::move(arguments);
    return error;
}

Error Failure::ofReportLock(const std::filesystem::path& study, const Error& why) {
    if (why.kind == Error::Kind::Busy)
        return of(Error::Kind::Busy, study, {}, Error::Context::ReportBusy);
    return of(why.kind, FileLock::lockFileFor(study, Catalogue::kReportLock), why.reason,
              Error::Context::ReportLock);
}

std::string Failure::reasonOfErrno(int error) {
    return error == 0 ? std::string() : std::generic_category().message(error);
}

#ifdef _WIN32
// Asked for in UTF-16: the narrow text would be in the ANSI code page, which on a Greek system is
// not the UTF-8 the rest of the program speaks.
std::string Failure::reasonOfSystem(unsigned long error) {
    if (error == 0) return {};
    wchar_t* text = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<LPWSTR>(&text), 0, nullptr);
    if (length == 0 || text == nullptr) return "Windows error " + std::to_string(error);
    const std::wstring wide(text, length);
    LocalFree(text);
    return TextPath::toUtf8(std::filesystem::path(wide));
}
#endif

std::string Failure::reasonOf(const std::error_code& error) {
    if (!error) return {};
#ifdef _WIN32
    if (error.category() == std::system_category())
        return reasonOfSystem(static_cast<unsigned long>(error.value()));
#endif
    return error.message();
}

Error Failure::unexpected(std::exception_ptr exception) {
    try {
        std::rethrow_exception(exception);
    } catch (const std::bad_alloc&) {
        return of(Error::Kind::OutOfMemory, {});
    } catch (const std::exception& error) {
        return quoting(Error::Kind::Unexpected, {}, error.what());
    } catch (...) {
    }
    return of(Error::Kind::Unexpected, {});
}

} // namespace velmora::store
