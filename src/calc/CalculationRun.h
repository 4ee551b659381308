#pragma once

#include "store/base/Result.h"

#include <filesystem>
#include <string>
#include <vector>

namespace velmora::calc {

// Prices every work of a study and rewrites its twelve report section files, holding the study
// against other calculations and readers of its report meanwhile. The run goes on past every
// fault: a missing value counts as 0 without a word, one in a file that is there but cannot be
// read counts as 0 and is reported, and a section file that cannot be written is reported while
// the others are still written. A study that cannot be held is reported and nothing is written.
class CalculationRun {
public:
    struct Outcome {
        // Why each file that could not be read or written could not, once per file and cause.
        std::vector<store::Error> failures;
        // One line, in Greek and beginning with the file it is about, for each input that makes
        // the report not add up: a negative quantity, an elevation option other than 0 or 1, a λ
        // or scale that is not a positive number, an amount single precision cannot hold. The
        // run prices them all the same; the user is told so as to put the study right.
        std::vector<std::string> warnings;
        bool ok() const { return failures.empty(); }
    };

    static Outcome run(const std::filesystem::path& study, char decimalSeparator);
};

} // namespace velmora::calc
