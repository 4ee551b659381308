// velmora-cli: the calculation and the fee report of the current study, from the command line.

#include "calc/CalculationRun.h"
#include "calc/ReportText.h"
#include "cli/CliOptions.h"
#include "store/Installation.h"
#include "store/RegionalSeparator.h"

#include "Version.h"
#include "ui/report/ReportPrinter.h"

#include <QApplication>
#include <QString>

#include <cstdio>
#include <exception>
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

int calc(const CliOptions& options, const std::filesystem::path& study) {
    const char separator =
        options.decimalSeparator.value_or(velmora::store::RegionalSeparator::fromEnvironment());
    CalculationRun::Outcome outcome = CalculationRun::run(study, separator);
    // What does not add up is told, one line each, but the sections were written as asked.
    for (const std::string& warning : outcome.warnings)
        std::fprintf(stderr, "%s\n", warning.c_str());
    if (outcome.ok()) return 0;
    std::string message;
    for (const std::string& failure : outcome.failures)
        message += (message.empty() ? "" : "\n") + failure;
    return fail(message);
}

// The report laid out as the desktop program prints it. Qt needs an application object for
// fonts and layout, but no screen: without one named, it draws offscreen.
int reportPdf(char* program, const std::string& text, const std::filesystem::path& pdf) {
#ifndef _WIN32
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // Our own options are not for Qt to read.
    int argc = 1;
    char* argv[] = {program, nullptr};
    QApplication app(argc, argv);
    velmora::store::Status written =
        velmora::ui::ReportPrinter::writePdf(QString::fromStdString(text), pdf);
    return written ? 0 : fail(written.message());
}

int report(char* program, const CliOptions& options, const std::filesystem::path& study) {
    ReportText::Report joined = ReportText::join(study);
    if (!joined.whole()) return fail(joined.problem());
    if (options.pdf) return reportPdf(program, joined.text, *options.pdf);
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    // A report cut short by a full disk or a closed pipe must not pass for a whole one.
    const bool written =
        std::fwrite(joined.text.data(), 1, joined.text.size(), stdout) == joined.text.size() &&
        std::fflush(stdout) == 0 && !std::ferror(stdout);
    return written ? 0 : fail("Η έκθεση αμοιβών δεν γράφτηκε ολόκληρη στην έξοδο.");
}

int run(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    velmora::cli::ParsedCommandLine parsed = CliOptions::parse(args);
    if (!parsed.options) return fail(parsed.error + "\n" + CliOptions::usage());
    const CliOptions& options = *parsed.options;
    if (options.command == CliOptions::Command::Help)
        return std::fputs(CliOptions::usage(), stdout) < 0;
    if (options.command == CliOptions::Command::Version)
        return std::fputs((std::string("velmora-cli ") + velmora::kVersion + "\n").c_str(),
                          stdout) < 0;

    auto study = Installation::currentStudy(Installation::folder(options.home));
    if (study.state != Installation::CurrentStudy::State::Found) return fail(study.message);

    return options.command == CliOptions::Command::Calc ? calc(options, study.folder)
                                                        : report(argv[0], options, study.folder);
}

} // namespace

int main(int argc, char** argv) {
    // Whatever goes wrong ends in words and an exit status, never in an abort; every file is
    // replaced whole, so what was written before stays whole.
    try {
        return run(argc, argv);
    } catch (...) {
        return fail(velmora::store::Status::unexpected(std::current_exception()).message());
    }
}
