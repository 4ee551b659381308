#include "store/files/RegularFile.h"

#include "store/files/Failure.h"

#include <algorithm>
#include <optional>
#include <system_error>

#ifdef _WIN32
#include "store/files/HeldFile.h"

#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmora::store {

#ifdef _WIN32

Result<std::string> RegularFile::read(const std::filesystem::path& file, std::size_t limit) {
    using Kind = Error::Kind;
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (status.type() == std::filesystem::file_type::not_found)
        return Failure::of(Kind::NotFound, file);
    if (ec) return Failure::of(Kind::NotReadable, file, Failure::reasonOf(ec));
    if (status.type() != std::filesystem::file_type::regular)
        return Failure::of(Kind::NotRegularFile, file);
    // Shared for deletion as well: a program replacing the file meanwhile must not be refused.
    HANDLE handle = INVALID_HANDLE_VALUE;
    const DWORD error = HeldFile::retry([&] {
        handle = CreateFileW(file.c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        return handle != INVALID_HANDLE_VALUE;
    });
    if (handle == INVALID_HANDLE_VALUE)
        return Failure::of(error == ERROR_FILE_NOT_FOUND ? Kind::NotFound : Kind::NotReadable, file,
                           Failure::reasonOfSystem(error));
    std::optional<Error> failed;
    std::string bytes;
    LARGE_INTEGER size{};
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        failed = Failure::of(Kind::NotRegularFile, file);
    } else if (!GetFileSizeEx(handle, &size)) {
        failed = Failure::of(Kind::NotReadable, file, Failure::reasonOfSystem(GetLastError()));
    } else if (static_cast<unsigned long long>(size.QuadPart) > limit) {
        failed = Failure::of(Kind::TooLarge, file);
    } else {
        // The file may grow while it is read; no more than one byte past the limit is taken.
        bytes.resize(limit + 1);
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD got = 0;
            if (!ReadFile(handle, bytes.data() + done, static_cast<DWORD>(bytes.size() - done),
                          &got, nullptr)) {
                failed =
                    Failure::of(Kind::NotReadable, file, Failure::reasonOfSystem(GetLastError()));
                break;
            }
            if (got == 0) break;
            done += got;
        }
        bytes.resize(done);
        if (!failed && done > limit) failed = Failure::of(Kind::TooLarge, file);
    }
    CloseHandle(handle);
    if (failed) return *failed;
    return bytes;
}

#else

Result<std::string> RegularFile::read(const std::filesystem::path& file, std::size_t limit) {
    using Kind = Error::Kind;
    // Without O_NONBLOCK, opening a pipe waits for a writer that never comes.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        return Failure::of(error == ENOENT ? Kind::NotFound : Kind::NotReadable, file,
                           Failure::reasonOfErrno(error));
    }
    struct stat info {};
    std::optional<Error> failed;
    std::string bytes;
    if (::fstat(fd, &info) != 0) {
        failed = Failure::of(Kind::NotReadable, file, Failure::reasonOfErrno(errno));
    } else if (!S_ISREG(info.st_mode)) {
        failed = Failure::of(Kind::NotRegularFile, file);
    } else if (static_cast<std::size_t>(info.st_size) > limit) {
        failed = Failure::of(Kind::TooLarge, file);
    } else {
        // The file may grow while it is read; no more than one byte past the limit is taken.
        bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
        std::size_t done = 0;
        for (;;) {
            if (done == bytes.size()) {
                if (done > limit) break;
                bytes.resize(std::min(limit + 1, done * 2 + 64));
            }
            const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0)
                failed = Failure::of(Kind::NotReadable, file, Failure::reasonOfErrno(errno));
            if (got <= 0) break;
            done += static_cast<std::size_t>(got);
        }
        bytes.resize(done);
        if (!failed && done > limit) failed = Failure::of(Kind::TooLarge, file);
    }
    ::close(fd);
    if (failed) return *failed;
    return bytes;
}

#endif

} // namespace velmora::store
