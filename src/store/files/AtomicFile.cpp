#include "store/files/AtomicFile.h"

#include "store/base/TextPath.h"
#include "store/files/Failure.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstdint>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include "store/files/HeldFile.h"

#include <windows.h>
#else
#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace velmora::store {
namespace {

constexpr std::string_view kMark = ".velmora-";
constexpr std::string_view kEnd = ".tmp";

// What the user can do about a failed write: the class of the system's error, or nothing.
Error::Obstacle classOf(bool diskFull, bool notAllowed, bool folderInTheWay) {
    if (diskFull) return Error::Obstacle::DiskFull;
    if (notAllowed) return Error::Obstacle::NotPermitted;
    if (folderInTheWay) return Error::Obstacle::FolderInTheWay;
    return Error::Obstacle::None;
}

std::filesystem::path folderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// The process a temporary name belongs to, for names of our own making only.
std::optional<unsigned long> ownerOf(const std::filesystem::path& name) {
    const std::string text = TextPath::toUtf8(name);
    if (text.size() < kEnd.size() || text.compare(text.size() - kEnd.size(), kEnd.size(), kEnd))
        return std::nullopt;
    const std::size_t mark = text.rfind(kMark);
    if (mark == std::string::npos) return std::nullopt;
    const char* first = text.data() + mark + kMark.size();
    const char* last = text.data() + text.size() - kEnd.size();
    unsigned long pid = 0;
    unsigned attempt = 0;
    auto [dash, error] = std::from_chars(first, last, pid);
    if (error != std::errc() || dash == last || *dash != '-') return std::nullopt;
    auto [end, attemptError] = std::from_chars(dash + 1, last, attempt);
    if (attemptError != std::errc() || end != last) return std::nullopt;
    return pid;
}

#ifdef _WIN32

unsigned long currentProcess() {
    return GetCurrentProcessId();
}

bool isRunning(unsigned long pid) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(pid));
    if (process == nullptr) return GetLastError() == ERROR_ACCESS_DENIED;
    const bool running = WaitForSingleObject(process, 0) == WAIT_TIMEOUT;
    CloseHandle(process);
    return running;
}

// The writer opens its temporary without sharing, so a file still being written cannot be
// removed anyway; the removal itself is the test.
bool inUse(const std::filesystem::path&) {
    return false;
}

Error cannotWrite(const std::filesystem::path& target, DWORD error) {
    return Failure::of(Error::Kind::WriteFailed, target, Failure::reasonOfSystem(error),
                       classOf(error == ERROR_DISK_FULL || error == ERROR_HANDLE_DISK_FULL,
                               error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT,
                               false));
}

Status replaceFile(const std::filesystem::path& target, std::string_view bytes) {
    const DWORD oldAttributes = GetFileAttributesW(target.c_str());
    if (oldAttributes != INVALID_FILE_ATTRIBUTES && (oldAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return Failure::of(Error::Kind::WriteFailed, target, {}, Error::Obstacle::FolderInTheWay);
    const bool keepReadOnly = oldAttributes != INVALID_FILE_ATTRIBUTES &&
                              (oldAttributes & FILE_ATTRIBUTE_READONLY) &&
                              !(oldAttributes & FILE_ATTRIBUTE_REPARSE_POINT);

    std::filesystem::path temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0; attempt < AtomicFile::kAttempts && error == ERROR_FILE_EXISTS;
         ++attempt) {
        temporary = AtomicFile::temporaryFor(target, attempt);
        // No sharing: no other program opens or removes the file while it is being written.
        file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
        error = file == INVALID_HANDLE_VALUE ? GetLastError() : ERROR_SUCCESS;
        if (error == ERROR_ALREADY_EXISTS) error = ERROR_FILE_EXISTS;
    }
    if (file == INVALID_HANDLE_VALUE) return cannotWrite(target, error);

    bool ok = true;
    for (std::size_t done = 0; ok && done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        DWORD written = 0;
        ok = WriteFile(file, bytes.data() + done, chunk, &written, nullptr) && written > 0;
        done += written;
    }
    ok = ok && FlushFileBuffers(file);
    error = ok ? ERROR_SUCCESS : GetLastError();
    CloseHandle(file);

    // A read-only file cannot be replaced; the attribute moves to the new file instead.
    if (ok && keepReadOnly) {
        SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_READONLY);
        SetFileAttributesW(target.c_str(), oldAttributes & ~FILE_ATTRIBUTE_READONLY);
    }
    if (ok) {
        error = HeldFile::retry([&] {
            return MoveFileExW(temporary.c_str(), target.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
        });
        ok = error == ERROR_SUCCESS;
    }
    if (!ok) {
        if (keepReadOnly) SetFileAttributesW(target.c_str(), oldAttributes);
        SetFileAttributesW(temporary.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(temporary.c_str());
        return cannotWrite(target, error);
    }
    return {};
}

#else

unsigned long currentProcess() {
    return static_cast<unsigned long>(getpid());
}

bool isRunning(unsigned long pid) {
    if (pid == 0 || pid > static_cast<unsigned long>(INT32_MAX)) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// A writer holds a lock on its temporary until it has taken the target's name, which tells a
// file still being written apart even on a folder shared with another machine.
bool inUse(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    const bool locked = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return locked;
}

Error cannotWrite(const std::filesystem::path& target, int error) {
    return Failure::of(Error::Kind::WriteFailed, target, Failure::reasonOfErrno(error),
                       classOf(error == ENOSPC || error == EDQUOT || error == EFBIG,
                               error == EACCES || error == EPERM || error == EROFS,
                               error == EISDIR || error == ENOTEMPTY || error == EEXIST));
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

Status replaceFile(const std::filesystem::path& target, std::string_view bytes) {
    struct stat old {};
    const bool replacesFile = ::lstat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    std::filesystem::path temporary;
    int fd = -1;
    int error = EEXIST;
    for (int attempt = 0; attempt < AtomicFile::kAttempts && error == EEXIST; ++attempt) {
        temporary = AtomicFile::temporaryFor(target, attempt);
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        error = fd < 0 ? errno : 0;
    }
    if (fd < 0) return cannotWrite(target, error);
    ::flock(fd, LOCK_EX);

    bool ok = writeAll(fd, bytes);
    if (ok && replacesFile) {
        // Keeping the owner works only for the owner or an administrator; the bits always stay.
        [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
        ok = ::fchmod(fd, old.st_mode & 07777 & ~mode_t(S_ISUID | S_ISGID)) == 0;
    }
    ok = ok && ::fsync(fd) == 0 && ::rename(temporary.c_str(), target.c_str()) == 0;
    error = ok ? 0 : errno;
    if (!ok) ::unlink(temporary.c_str());
    ::close(fd);
    if (!ok) return cannotWrite(target, error);
    return AtomicFile::syncFolder(folderOf(target));
}

#endif

void removeLeftoversOnce(const std::filesystem::path& folder) {
    static std::mutex mutex;
    static std::set<std::filesystem::path> cleaned;
    {
        std::lock_guard<std::mutex> lock(mutex);
        if (!cleaned.insert(folder.lexically_normal()).second) return;
    }
    AtomicFile::removeLeftovers(folder);
}

} // namespace

std::filesystem::path AtomicFile::temporaryFor(const std::filesystem::path& target, int attempt) {
    const std::string mark = std::string(kMark) + std::to_string(currentProcess()) + "-" +
                             std::to_string(attempt) + std::string(kEnd);
    std::string name = TextPath::toUtf8(target.filename());
    // Bytes of UTF-8 are never fewer than the UTF-16 units Windows counts, so the cut suits both;
    // it falls between characters.
    if (name.size() + mark.size() > kNameLimit) {
        std::size_t keep = kNameLimit - mark.size();
        while (keep > 0 && (static_cast<unsigned char>(name[keep]) & 0xC0) == 0x80)
            --keep;
        name.resize(keep);
    }
    return target.parent_path() / TextPath::fromUtf8(name + mark);
}

Status AtomicFile::checkTarget(const std::filesystem::path& target) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::file_type type = fs::symlink_status(target, ec).type();
    if (type == fs::file_type::symlink) {
        type = fs::status(target, ec).type();
        // A link that leads nowhere stands for no file; it is replaced like a missing one.
        if (type == fs::file_type::not_found) return {};
    }
    if (type == fs::file_type::not_found || type == fs::file_type::regular) return {};
    // A name that cannot even be looked at is for the replacement itself to report.
    if (type == fs::file_type::none || type == fs::file_type::unknown) return {};
    return Failure::of(Error::Kind::WriteFailed, target, {},
                       type == fs::file_type::directory ? Error::Obstacle::FolderInTheWay
                                                        : Error::Obstacle::NotAFile);
}

void AtomicFile::removeLeftovers(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> leftovers;
    std::error_code ec;
    // A folder that cannot be listed to the end is cleaned as far as it could be.
    for (std::filesystem::directory_iterator entry(folder, ec), end; !ec && entry != end;
         entry.increment(ec)) {
        std::error_code typeError;
        if (!entry->is_regular_file(typeError) || entry->is_symlink(typeError)) continue;
        auto owner = ownerOf(entry->path().filename());
        if (owner && !isRunning(*owner) && !inUse(entry->path()))
            leftovers.push_back(entry->path());
    }
    for (const std::filesystem::path& leftover : leftovers) {
        std::error_code ignored;
        std::filesystem::remove(leftover, ignored);
    }
}

Status AtomicFile::syncFolder(const std::filesystem::path& folder) {
#ifndef _WIN32
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return {};
    // Some file systems cannot sync a folder at all; only a failing disk is worth a word.
    const bool failed = ::fsync(fd) != 0 && errno == EIO;
    ::close(fd);
    if (failed)
        return Failure::of(Error::Kind::WriteFailed, folder, Failure::reasonOfErrno(EIO),
                           Error::Context::FolderSync);
#else
    (void)folder;
#endif
    return {};
}

Status AtomicFile::replace(const std::filesystem::path& target, std::string_view bytes) {
    if (Status refused = checkTarget(target); !refused) return refused;
    removeLeftoversOnce(folderOf(target));
    return replaceFile(target, bytes);
}

} // namespace velmora::store
