#include "store/RegularFile.h"

#include <algorithm>
#include <system_error>

#ifdef _WIN32
#include "store/HeldFile.h"

#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmora::store {

#ifdef _WIN32

RegularFile::Contents RegularFile::read(const std::filesystem::path& file, std::size_t limit) {
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (status.type() == std::filesystem::file_type::not_found) return {State::Missing, {}};
    if (ec) return {State::Unreadable, {}};
    if (status.type() != std::filesystem::file_type::regular) return {State::NotRegular, {}};
    // Shared for deletion as well: a program replacing the file meanwhile must not be refused.
    HANDLE handle = INVALID_HANDLE_VALUE;
    const DWORD error = HeldFile::retry([&] {
        handle = CreateFileW(file.c_str(), GENERIC_READ,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        return handle != INVALID_HANDLE_VALUE;
    });
    if (handle == INVALID_HANDLE_VALUE)
        return {error == ERROR_FILE_NOT_FOUND ? State::Missing : State::Unreadable, {}};
    Contents contents{State::Read, {}};
    LARGE_INTEGER size{};
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        contents.state = State::NotRegular;
    } else if (!GetFileSizeEx(handle, &size)) {
        contents.state = State::Unreadable;
    } else if (static_cast<unsigned long long>(size.QuadPart) > limit) {
        contents.state = State::TooLarge;
    } else {
        // The file may grow while it is read; no more than one byte past the limit is taken.
        contents.bytes.resize(limit + 1);
        std::size_t done = 0;
        while (done < contents.bytes.size()) {
            DWORD got = 0;
            if (!ReadFile(handle, contents.bytes.data() + done,
                          static_cast<DWORD>(contents.bytes.size() - done), &got, nullptr)) {
                contents.state = State::Unreadable;
                break;
            }
            if (got == 0) break;
            done += got;
        }
        contents.bytes.resize(done);
        if (done > limit) contents.state = State::TooLarge;
    }
    CloseHandle(handle);
    if (contents.state != State::Read) contents.bytes.clear();
    return contents;
}

#else

RegularFile::Contents RegularFile::read(const std::filesystem::path& file, std::size_t limit) {
    // Without O_NONBLOCK, opening a pipe waits for a writer that never comes.
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return {errno == ENOENT ? State::Missing : State::Unreadable, {}};
    struct stat info {};
    Contents contents{State::Read, {}};
    if (::fstat(fd, &info) != 0) {
        contents.state = State::Unreadable;
    } else if (!S_ISREG(info.st_mode)) {
        contents.state = State::NotRegular;
    } else if (static_cast<std::size_t>(info.st_size) > limit) {
        contents.state = State::TooLarge;
    } else {
        // The file may grow while it is read; no more than one byte past the limit is taken.
        contents.bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
        std::size_t done = 0;
        for (;;) {
            if (done == contents.bytes.size()) {
                if (done > limit) break;
                contents.bytes.resize(std::min(limit + 1, done * 2 + 64));
            }
            const ssize_t got =
                ::read(fd, contents.bytes.data() + done, contents.bytes.size() - done);
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) contents.state = State::Unreadable;
            if (got <= 0) break;
            done += static_cast<std::size_t>(got);
        }
        contents.bytes.resize(done);
        if (done > limit) contents.state = State::TooLarge;
        if (contents.state != State::Read) contents.bytes.clear();
    }
    ::close(fd);
    return contents;
}

#endif

} // namespace velmora::store
