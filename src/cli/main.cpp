// velmora-cli: the calculation and the fee report of the current study, from the command line.

#include "calc/CalculationRun.h"
#include "calc/ReportText.h"
#include "cli/CliOptions.h"
#include "store/Installation.h"

#include <clocale>
#include <cstdio>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using velmora::calc::CalculationRun;
using velmora::calc::ReportText;
using velmora::cli::CliOptions;
using velmora::store::Installation;

int fail(const std::string& message) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
}

char regionalSeparator() {
    std::setlocale(LC_NUMERIC, "");
    const std::lconv* conventions = std::localeconv();
    char separator = '.';
    if (conventions && conventions->decimal_point && conventions->decimal_point[0] == ',')
        separator = ',';
    std::setlocale(LC_NUMERIC, "C");
    return separator;
}

int calc(const CliOptions& options, const std::filesystem::path& study) {
    const char separator = options.decimalSeparator.value_or(regionalSeparator());
    CalculationRun::Outcome outcome = CalculationRun::run(study, separator);
    if (outcome.ok()) return 0;
    std::string message;
    for (const std::string& failure : outcome.failures)
        message += (message.empty() ? "" : "\n") + failure;
    return fail(message);
}

int report(const std::filesystem::path& study) {
    ReportText::Report joined = ReportText::join(study);
    if (!joined.missing.empty()) return fail(ReportText::missingMessage(joined.missing));
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::fwrite(joined.text.data(), 1, joined.text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    velmora::cli::ParsedCommandLine parsed = CliOptions::parse(args);
    if (!parsed.options) return fail(parsed.error + "\n" + CliOptions::usage());
    const CliOptions& options = *parsed.options;

    auto study = Installation::currentStudy(Installation::folder(options.home));
    if (study.state != Installation::CurrentStudy::State::Found) return fail(study.message);

    return options.command == CliOptions::Command::Calc ? calc(options, study.folder)
                                                        : report(study.folder);
}
