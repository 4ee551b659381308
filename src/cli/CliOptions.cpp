#include "cli/CliOptions.h"

#include "store/base/TextPath.h"
#include "store/text/ShownText.h"

namespace velmora::cli {

const char* CliOptions::usage() {
    return "Χρήση:\n"
           "  velmora-cli calc [--home ΦΑΚΕΛΟΣ] [--decimal-separator ,|.]\n"
           "  velmora-cli report [--home ΦΑΚΕΛΟΣ] [--pdf ΑΡΧΕΙΟ]\n"
           "  velmora-cli rates [--home ΦΑΚΕΛΟΣ] [--set ΠΕΡΙΓΡΑΦΗ=ΣΥΝΤΕΛΕΣΤΗΣ ...]\n"
           "  velmora-cli studies [--home ΦΑΚΕΛΟΣ]\n"
           "  velmora-cli use [--home ΦΑΚΕΛΟΣ] ΦΑΚΕΛΟΣ_ΜΕΛΕΤΗΣ\n"
           "  velmora-cli --help | --version\n";
}

ParsedCommandLine CliOptions::parse(const std::vector<std::string>& args) {
    ParsedCommandLine parsed;
    if (args.empty()) {
        parsed.error = "Δεν δόθηκε εντολή.";
        return parsed;
    }
    CliOptions options;
    // Asking for help or the version is answered whatever else the line holds.
    for (const std::string& arg : args) {
        if (arg == "--help" || arg == "-h") options.command = Command::Help;
        if (arg == "--version" && options.command != Command::Help)
            options.command = Command::Version;
    }
    if (options.command == Command::Help || options.command == Command::Version) {
        parsed.options = options;
        return parsed;
    }
    if (args[0] == "calc") {
        options.command = Command::Calc;
    } else if (args[0] == "report") {
        options.command = Command::Report;
    } else if (args[0] == "rates") {
        options.command = Command::Rates;
    } else if (args[0] == "studies") {
        options.command = Command::Studies;
    } else if (args[0] == "use") {
        options.command = Command::Use;
    } else {
        parsed.error = "Άγνωστη εντολή «" + store::ShownText::of(args[0]) + "».";
        return parsed;
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        if (options.command == Command::Use && !options.folder && option.rfind("--", 0) != 0) {
            options.folder = option;
            continue;
        }
        if (i + 1 >= args.size()) {
            parsed.error = "Η επιλογή «" + store::ShownText::of(option) + "» χρειάζεται τιμή.";
            return parsed;
        }
        const std::string& value = args[++i];
        if (option == "--home") {
            options.home = store::TextPath::fromUtf8(value);
        } else if (option == "--decimal-separator" && options.command == Command::Calc) {
            if (value != "," && value != ".") {
                parsed.error = "Η υποδιαστολή πρέπει να είναι «,» ή «.».";
                return parsed;
            }
            options.decimalSeparator = value[0];
        } else if (option == "--pdf" && options.command == Command::Report) {
            options.pdf = store::TextPath::fromUtf8(value);
        } else if (option == "--set" && options.command == Command::Rates) {
            if (value.find('=') == std::string::npos) {
                parsed.error = "Η κράτηση «" + store::ShownText::of(value) +
                               "» πρέπει να δοθεί ως ΠΕΡΙΓΡΑΦΗ=ΣΥΝΤΕΛΕΣΤΗΣ (π.χ. «Φ.Π.Α. "
                               "24%=0.24»).";
                return parsed;
            }
            options.rates.push_back(value);
        } else {
            parsed.error = "Άγνωστη επιλογή «" + store::ShownText::of(option) + "».";
            return parsed;
        }
    }
    if (options.command == Command::Use && !options.folder) {
        parsed.error = "Η εντολή «use» χρειάζεται τον φάκελο της μελέτης.";
        return parsed;
    }
    parsed.options = options;
    return parsed;
}

} // namespace velmora::cli
