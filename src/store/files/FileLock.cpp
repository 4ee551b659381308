#include "store/files/FileLock.h"

#include "store/base/TextPath.h"
#include "store/files/Failure.h"

#include <chrono>
#include <string>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmora::store {
namespace {

Error busy(const std::filesystem::path& folder, std::string_view listName) {
    return Failure::of(Error::Kind::Busy, folder / TextPath::fromUtf8(std::string(listName)));
}

// The lock file is named after its list, which the sentence for the user names too.
Error cannotLock(const std::filesystem::path& lockFile, std::string reason) {
    return Failure::of(Error::Kind::WriteFailed, lockFile, std::move(reason), Error::Context::Lock);
}

// Asks for the lock until it is granted or the wait runs out.
template <class Try> bool waitFor(Try tryOnce) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(FileLock::kWaitMilliseconds);
    while (!tryOnce()) {
        if (std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace

std::filesystem::path FileLock::lockFileFor(const std::filesystem::path& folder,
                                            std::string_view listName) {
    return folder / TextPath::fromUtf8(std::string(listName) + ".lock");
}

#ifdef _WIN32

FileLock::FileLock(const std::filesystem::path& folder, std::string_view listName, Mode mode) {
    const std::filesystem::path lockFile = lockFileFor(folder, listName);
    const bool shared = mode == Mode::Shared;
    HANDLE file =
        CreateFileW(lockFile.c_str(), shared ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    shared ? OPEN_EXISTING : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        status_ = shared && (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
                      ? Failure::of(Error::Kind::NotFound, lockFile)
                      : cannotLock(lockFile, Failure::reasonOfSystem(error));
        return;
    }
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (shared ? 0 : LOCKFILE_EXCLUSIVE_LOCK);
    const bool held = waitFor([file, flags] {
        OVERLAPPED whole{};
        return LockFileEx(file, flags, 0, 1, 0, &whole) != 0;
    });
    if (!held) {
        CloseHandle(file);
        status_ = busy(folder, listName);
        return;
    }
    handle_ = file;
}

FileLock::~FileLock() {
    if (handle_ == nullptr) return;
    OVERLAPPED whole{};
    UnlockFileEx(static_cast<HANDLE>(handle_), 0, 1, 0, &whole);
    CloseHandle(static_cast<HANDLE>(handle_));
}

#else

FileLock::FileLock(const std::filesystem::path& folder, std::string_view listName, Mode mode) {
    const std::filesystem::path lockFile = lockFileFor(folder, listName);
    const bool shared = mode == Mode::Shared;
    // Not waiting at the opening: a pipe planted under the lock's name would hold it for ever.
    const int fd = shared ? ::open(lockFile.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)
                          : ::open(lockFile.c_str(),
                                   O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0) {
        const int error = errno;
        status_ = shared && error == ENOENT ? Failure::of(Error::Kind::NotFound, lockFile)
                                            : cannotLock(lockFile, Failure::reasonOfErrno(error));
        return;
    }
    // Readers who may only read the folder (a colleague's share) take the lock through this file
    // too, so it stays readable to them whatever the owner's umask made it.
    struct stat info {};
    if (!shared && ::fstat(fd, &info) == 0 && info.st_uid == ::geteuid() &&
        (info.st_mode & 0444) != 0444)
        ::fchmod(fd, (info.st_mode & 07777) | 0444);
    const int operation = (shared ? LOCK_SH : LOCK_EX) | LOCK_NB;
    if (!waitFor([fd, operation] { return ::flock(fd, operation) == 0; })) {
        ::close(fd);
        status_ = busy(folder, listName);
        return;
    }
    fd_ = fd;
}

FileLock::~FileLock() {
    // Closing the file lets the lock go.
    if (fd_ >= 0) ::close(fd_);
}

#endif

} // namespace velmora::store
