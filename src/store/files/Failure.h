#pragma once

#include "store/base/Result.h"

#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace velmora::store {

// Builds the errors of the core, keeping the operating system's own words for what went wrong.
class Failure {
public:
    // Why a study's report lock was not had, told of the study rather than of its lock file.
    static Error ofReportLock(const std::filesystem::path& study, const Error& why);

    static Error of(Error::Kind kind, const std::filesystem::path& file, std::string reason = {},
                    Error::Context context = Error::Context::File);
    static Error of(Error::Kind kind, const std::filesystem::path& file, std::string reason,
                    Error::Obstacle obstacle);
    // An error whose sentence quotes a text: the refused input, the text a file cannot keep.
    static Error quoting(Error::Kind kind, const std::filesystem::path& file, std::string text);
    // The same error, told as a failure of what the program was doing.
    static Error during(Error why, Error::Context doing);
    // A refusal, with what its sentence quotes.
    static Error refusing(Error::Refusal why, std::vector<std::string> arguments = {},
                          const std::filesystem::path& file = {});

    // The reason for an errno value, as the C library words it.
    static std::string reasonOfErrno(int error);
#ifdef _WIN32
    // The reason for a GetLastError value, as Windows words it in the user's language.
    static std::string reasonOfSystem(unsigned long error);
#endif
    // The reason a library call gave; empty when it gave none.
    static std::string reasonOf(const std::error_code& error);

    // The error that an exception nobody expected stands for.
    static Error unexpected(std::exception_ptr exception);
};

} // namespace velmora::store
