// velmora-cli: the calculation, the fee report and the statutory amounts of the current study,
// from the command line.

#include "calc/CalculationRun.h"
#include "calc/LastCalculation.h"
#include "calc/ReportText.h"
#include "cli/CliOptions.h"
#include "cli/Console.h"
#include "messages/Describe.h"
#include "messages/StudyShown.h"
#include "store/base/Catalogue.h"
#include "store/base/TextPath.h"
#include "store/files/Failure.h"
#include "store/study/Installation.h"
#include "store/study/StatutoryAmounts.h"
#include "store/study/Study.h"
#include "store/study/StudyList.h"
#include "store/study/StudyPath.h"
#include "store/text/RegionalSeparator.h"
#include "store/text/ShownText.h"

#include "Version.h"

#ifdef VELMORA_CLI_PDF
#include "print/ReportPrinter.h"

#include <QGuiApplication>
#include <QString>
#endif

#include <cstdlib>
#include <exception>
#include <string>
#include <vector>

namespace {

using velmora::calc::CalculationRun;
using velmora::calc::ReportText;
using velmora::cli::CliOptions;
using velmora::cli::Console;
using velmora::messages::describe;
using velmora::store::Installation;

int fail(const std::string& message) {
    Console::error(message + "\n");
    return 1;
}

int calc(const CliOptions& options, const std::filesystem::path& study) {
    const char separator =
        options.decimalSeparator.value_or(velmora::store::RegionalSeparator::fromEnvironment());
    CalculationRun::Outcome outcome = CalculationRun::run(study, separator);
    // What does not add up is told, one line each, but the sections were written as asked.
    for (const auto& warning : outcome.warnings)
        Console::error(describe(warning) + "\n");
    if (outcome.ok()) return 0;
    return fail(describe(outcome.failures));
}

#ifdef VELMORA_CLI_PDF
// Qt speaks to developers, in English: what it says is not for the user's terminal. A failure it
// cannot go on from would end in an abort; it ends in words and an exit status instead.
void quietToolkit(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type != QtFatalMsg) return;
    Console::error(
        "Το PDF δεν γράφτηκε: η βιβλιοθήκη σχεδίασης σελίδων δεν μπόρεσε να ξεκινήσει.\n");
    std::_Exit(1);
}

// The report laid out as the desktop program prints it. Qt needs an application object for
// fonts and layout, but no screen: it draws without one, whatever screen the environment names
// (none may be there, or none that this machine's Qt knows).
int reportPdf(char* program, const std::string& text, const std::filesystem::path& pdf) {
    qInstallMessageHandler(quietToolkit);
#ifdef _WIN32
    // On Windows the offscreen screen knows no fonts at all and would give pages without text;
    // the minimal one reads the system's fonts.
    qputenv("QT_QPA_PLATFORM", "minimal:enable_fonts");
#else
    qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    // Our own options are not for Qt to read.
    int argc = 1;
    char* argv[] = {program, nullptr};
    QGuiApplication app(argc, argv);
    velmora::store::Status written =
        velmora::print::ReportPrinter::writePdf(QString::fromStdString(text), pdf);
    return written ? 0 : fail(describe(written.error()));
}
#else
int reportPdf(char*, const std::string&, const std::filesystem::path&) {
    return fail("Αυτή η έκδοση του velmora-cli δεν φτιάχνει PDF. Τυπώστε την αναφορά από το "
                "πρόγραμμα Velmora ή γράψτε την ως κείμενο χωρίς την επιλογή --pdf.");
}
#endif

int report(char* program, const CliOptions& options, const std::filesystem::path& study) {
    ReportText::Report joined = ReportText::join(study);
    if (!joined.whole()) return fail(describe(joined));
    // The report is still given, as asked; a script that checks standard error learns that it
    // is older than the study.
    if (const auto newer = velmora::store::Study(study).newerThanReport(); !newer.empty())
        Console::error(velmora::messages::staleReport(newer) +
                       " Εκτελέστε «velmora-cli calc» για νέα έκθεση.\n");
    if (options.pdf) return reportPdf(program, joined.text, *options.pdf);
    // A report cut short by a full disk or a closed pipe must not pass for a whole one.
    return Console::output(joined.text)
               ? 0
               : fail("Η έκθεση αμοιβών δεν γράφτηκε ολόκληρη στην έξοδο.");
}

// Shows the study's statutory amounts, or replaces them (and the default for new studies) with
// those given, as the window beside λ does.
int rates(const CliOptions& options, const std::filesystem::path& installation,
          const std::filesystem::path& folder) {
    using velmora::store::StatutoryAmounts;
    const velmora::store::Study study(folder);
    if (options.rates.empty()) {
        auto read = study.amounts();
        if (!read) return fail(describe(read.error()));
        for (const StatutoryAmounts::Fault& fault : read->faults)
            Console::error(std::string(velmora::store::Catalogue::kAmounts) + ": " +
                           describe(fault) + "\n");
        std::string out;
        for (const auto& amount : read->amounts)
            out += amount.label + "\t" + StatutoryAmounts::shownRate(amount.rate, '.') + "\n";
        return Console::output(out) ? 0 : 1;
    }
    std::vector<StatutoryAmounts::Typed> typed;
    // A label may hold "=" itself; the rate never does.
    for (const std::string& given : options.rates) {
        const std::size_t split = given.rfind('=');
        typed.push_back({given.substr(0, split), given.substr(split + 1)});
    }
    auto amounts = StatutoryAmounts::fromTyped(typed);
    if (!amounts) return fail(describe(amounts.error()));
    const auto change = study.changeAmounts(installation, *amounts);
    if (!change.study) return fail(describe(change.study.error()));
    if (!change.defaults)
        return fail("Οι κρατήσεις της μελέτης άλλαξαν, αλλά δεν έγιναν οι προεπιλεγμένες για τις "
                    "νέες μελέτες: " +
                    describe(change.defaults.error()));
    return 0;
}

// One field of a CSV line: quoted, with its quotes doubled, when it holds a comma, a quote or a
// line end.
std::string csvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

int studies(const std::filesystem::path& installation) {
    using velmora::store::StudyList;
    const auto listed = StudyList::listed(installation);
    if (!listed) return fail(describe(listed.error()));
    std::string csv = "owner,folder,site,calculated,fee\r\n";
    for (const velmora::store::StudyEntry& entry : *listed) {
        const std::string folder = entry.folderName();
        std::string site;
        velmora::calc::LastCalculation last;
        // An entry that names no folder of its own is listed with what the list says alone.
        if (velmora::store::StudyPath::isFolderName(folder)) {
            const auto study = installation / velmora::store::TextPath::fromUtf8(folder);
            site = velmora::messages::siteShown(velmora::store::Study(study).details().valueOr({}));
            last = velmora::calc::LastCalculation::of(study);
        }
        for (const std::string& field : {entry.display(), folder, site, last.when})
            csv += csvField(field) + ',';
        csv += csvField(last.fee) + "\r\n";
    }
    return Console::output(csv) ? 0
                                : fail("Ο κατάλογος μελετών δεν γράφτηκε ολόκληρος στην έξοδο.");
}

// Makes a listed study current as the previous-study window does: with the index written anew
// and the study chosen at its place in the list. An unknown folder changes nothing.
int use(const std::filesystem::path& installation, const std::string& folder) {
    using velmora::store::StudyList;
    const auto listed = StudyList::listed(installation);
    if (!listed) return fail(describe(listed.error()));
    for (std::size_t place = 0; place < listed->size(); ++place) {
        if ((*listed)[place].folderName() != folder) continue;
        velmora::store::Status done = StudyList::writeIndex(installation, *listed);
        if (done) done = StudyList::choose(installation, place, (*listed)[place]);
        return done ? 0 : fail(describe(done.error()));
    }
    return fail("Η μελέτη με φάκελο «" + velmora::store::ShownText::of(folder) +
                "» δεν είναι στον κατάλογο μελετών. Οι μελέτες του καταλόγου δίνονται με "
                "«velmora-cli studies». Η τρέχουσα μελέτη δεν άλλαξε.");
}

int run(int argc, char** argv) {
    velmora::cli::ParsedCommandLine parsed = CliOptions::parse(Console::arguments(argc, argv));
    if (!parsed.options) return fail(parsed.error + "\n" + CliOptions::usage());
    const CliOptions& options = *parsed.options;
    if (options.command == CliOptions::Command::Help)
        return Console::output(CliOptions::usage()) ? 0 : 1;
    if (options.command == CliOptions::Command::Version)
        return Console::output(std::string("velmora-cli ") + velmora::kVersion + "\n") ? 0 : 1;

    const auto installation = Installation::folder(options.home);
    if (!installation) return fail(describe(installation.error()));
    if (options.command == CliOptions::Command::Studies) return studies(*installation);
    if (options.command == CliOptions::Command::Use) return use(*installation, *options.folder);
    const auto study = Installation::currentStudy(*installation);
    if (!study) return fail(describe(study.error()));

    switch (options.command) {
    case CliOptions::Command::Calc:
        return calc(options, *study);
    case CliOptions::Command::Rates:
        return rates(options, *installation, *study);
    default:
        return report(argv[0], options, *study);
    }
}

} // namespace

int main(int argc, char** argv) {
    // Whatever goes wrong ends in words and an exit status, never in an abort; every file is
    // replaced whole, so what was written before stays whole.
    try {
        return run(argc, argv);
    } catch (...) {
        return fail(describe(velmora::store::Failure::unexpected(std::current_exception())));
    }
}
