#include "store/RegularFile.h"

#include <algorithm>
#include <system_error>

#ifdef _WIN32
#include <fstream>
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
    std::ifstream in(file, std::ios::binary);
    if (!in) return {State::Unreadable, {}};
    std::string bytes(limit + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return {State::Unreadable, {}};
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    if (bytes.size() > limit) return {State::TooLarge, {}};
    return {State::Read, std::move(bytes)};
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
