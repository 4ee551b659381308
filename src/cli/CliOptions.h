#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace velmora::cli {

struct ParsedCommandLine;

// The command line of velmora-cli: a command and its options.
struct CliOptions {
    enum class Command { Calc, Report, Rates, Studies, Use, Help, Version };

    Command command = Command::Calc;
    std::optional<std::filesystem::path> home;
    std::optional<char> decimalSeparator;
    std::optional<std::filesystem::path> pdf;
    // The statutory amounts that `rates` stores, each "LABEL=RATE"; none: it shows them.
    std::vector<std::string> rates;
    // The study folder `use` makes current.
    std::optional<std::string> folder;

    static ParsedCommandLine parse(const std::vector<std::string>& args);
    static const char* usage();
};

// The options, or a message saying what is wrong with the command line.
struct ParsedCommandLine {
    std::optional<CliOptions> options;
    std::string error;
};

} // namespace velmora::cli
