#include "TestProcess.h"

#include "TempFolder.h"
#include "TestFiles.h"

#include "store/base/TextPath.h"

#include <cerrno>
#include <cstdlib>
#include <exception>
#include <system_error>

#ifndef _WIN32
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace velmora::testing {

ProcessRun TestProcess::run(const std::filesystem::path& program, const std::string& arguments,
                            const std::string& environment, const std::filesystem::path& outTo) {
    const TempFolder output;
    const std::filesystem::path out = outTo.empty() ? output / "stdout" : outTo;
    const auto err = output / "stderr";
    using store::TextPath;
    std::string command = environment + "\"" + TextPath::toUtf8(program) + "\" " + arguments +
                          " > \"" + TextPath::toUtf8(out) + "\" 2> \"" + TextPath::toUtf8(err) +
                          "\"";
#ifdef _WIN32
    // cmd.exe takes away the first and the last quote of a command that begins with one. The
    // command goes as UTF-16, so that Greek names reach the program whatever the code page.
    command = "\"" + command + "\"";
    int status = _wsystem(TextPath::fromUtf8(command).c_str());
#else
    int status = std::system(command.c_str());
#endif
#ifndef _WIN32
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    return {status, outTo.empty() ? TestFiles::bytes(out) : std::string(), TestFiles::bytes(err)};
}

#ifndef _WIN32
namespace {

constexpr uid_t kUnprivileged = 65534;

bool isRoot() {
    return ::geteuid() == 0;
}

} // namespace

std::string TestProcess::unprivileged(const std::function<std::string()>& step) {
    int ends[2];
    if (::pipe(ends) != 0) return "!no pipe";
    const pid_t child = ::fork();
    if (child < 0) return "!no child process";
    if (child == 0) {
        ::close(ends[0]);
        std::string said;
        // The group first: once the user is dropped, the group can no longer be changed.
        if (isRoot() &&
            (::setgroups(0, nullptr) != 0 ||
             ::setresgid(kUnprivileged, kUnprivileged, kUnprivileged) != 0 ||
             ::setresuid(kUnprivileged, kUnprivileged, kUnprivileged) != 0 || ::geteuid() == 0))
            said = "!could not become user 65534";
        else
            try {
                said = step();
            } catch (const std::exception& error) {
                said = std::string("!") + error.what();
            } catch (...) {
                said = "!exception";
            }
        for (std::size_t at = 0; at < said.size();) {
            const ssize_t written = ::write(ends[1], said.data() + at, said.size() - at);
            if (written <= 0) break;
            at += static_cast<std::size_t>(written);
        }
        // No exit handlers: they belong to the test program that goes on in the parent.
        ::_exit(0);
    }
    ::close(ends[1]);
    std::string said;
    char buffer[4096];
    for (ssize_t got; (got = ::read(ends[0], buffer, sizeof buffer)) > 0;)
        said.append(buffer, static_cast<std::size_t>(got));
    ::close(ends[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "!the child process failed";
    return said;
}

std::string TestProcess::unprivilegedCommand() {
    return isRoot() ? "setpriv --reuid=65534 --regid=65534 --clear-groups " : "";
}

void TestProcess::handOver(const std::filesystem::path& folder) {
    if (!isRoot()) return;
    const auto hand = [](const std::filesystem::path& path) {
        if (::lchown(path.c_str(), kUnprivileged, kUnprivileged) != 0)
            throw std::filesystem::filesystem_error(
                "cannot hand over", path, std::error_code(errno, std::generic_category()));
    };
    hand(folder);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        hand(entry.path());
}

bool TestProcess::unprivilegedCanRun(const std::filesystem::path& program) {
    return unprivileged(
               [&program] { return ::access(program.c_str(), X_OK) == 0 ? "yes" : "no"; }) == "yes";
}
#endif

} // namespace velmora::testing
