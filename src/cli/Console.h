#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

// The program's edge with the terminal. Text inside is UTF-8; on Windows the arguments arrive as
// UTF-16 and a console shows only what is written to it as UTF-16, so the conversions live here.
class Console {
public:
    // The arguments after the program's name, in UTF-8.
    static std::vector<std::string> arguments(int argc, char** argv);

    // `text` on standard output or standard error exactly as given (no CR added before LF). A
    // console shows it as characters; a file or a pipe receives the UTF-8 bytes.
    static bool output(std::string_view text);
    static void error(std::string_view text);
};

} // namespace velmora::cli
