#pragma once

#include <filesystem>
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
};

} // namespace velmora::testing
