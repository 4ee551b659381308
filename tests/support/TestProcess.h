#pragma once

#include <filesystem>
#include <functional>
#include <string>

namespace velmora::testing {

// How a program run by a test ended: its exit status (-1 when it did not end by itself) and what
// it wrote on its two outputs.
struct ProcessRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs programs the way a user's shell script does, so that quoting, the environment and the exit
// status are those a user meets.
class TestProcess {
public:
    // Runs `program` with `arguments` (quoted for the shell by the caller) through the system's
    // shell, with `environment` (the shell's "NAME=value " words, or an "env ..." prefix) before
    // it. The outputs are caught in a folder of their own, so the program's working folders hold
    // only what it writes; with `outTo`, standard output goes there instead and is not read back.
    static ProcessRun run(const std::filesystem::path& program, const std::string& arguments,
                          const std::string& environment = "",
                          const std::filesystem::path& outTo = {});

#ifndef _WIN32
    // Tests run as root in CI, and root reads a file whatever its permissions say. A test about
    // a permission therefore runs its step as an unprivileged user (uid and gid 65534) when it is
    // root, and as itself otherwise.

    // Runs `step` in a child process as that user and gives back what `step` returned; a text
    // beginning with "!" when the child could not become that user or `step` threw.
    static std::string unprivileged(const std::function<std::string()>& step);
    // What to put before a command given to `run` to run it as that user; empty when not root.
    static std::string unprivilegedCommand();
    // Hands `folder` and everything under it to that user, so that the permission a test takes
    // away is the only one that user lacks.
    static void handOver(const std::filesystem::path& folder);
    // Whether that user can reach and run `program`: a build folder under a private home folder
    // is out of its reach.
    static bool unprivilegedCanRun(const std::filesystem::path& program);
#endif
};

} // namespace velmora::testing
