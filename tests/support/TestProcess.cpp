#include "TestProcess.h"

#include "TempFolder.h"
#include "TestFiles.h"

#include "store/base/TextPath.h"

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

} // namespace velmora::testing
