#include "TestProcess.h"

#include "TempFolder.h"
#include "TestFiles.h"

#include <cstdlib>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace velmora::testing {

ProcessRun TestProcess::run(const std::filesystem::path& program, const std::string& arguments,
                            const std::string& environment, const std::filesystem::path& outTo) {
    const TempFolder output;
    const std::filesystem::path out = outTo.empty() ? output / "stdout" : outTo;
    const auto err = output / "stderr";
    std::string command = environment + "\"" + program.string() + "\" " + arguments + " > \"" +
                          out.string() + "\" 2> \"" + err.string() + "\"";
#ifdef _WIN32
    // cmd.exe takes away the first and the last quote of a command that begins with one.
    command = "\"" + command + "\"";
#endif
    int status = std::system(command.c_str());
#ifndef _WIN32
    status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    return {status, outTo.empty() ? TestFiles::bytes(out) : std::string(), TestFiles::bytes(err)};
}

} // namespace velmora::testing
