#pragma once

#include "store/base/Result.h"
#include "store/study/StatutoryAmounts.h"

#include <cstddef>
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
    // An input that makes the report not add up. The run prices it all the same; the user is told
    // so as to put the study right.
    struct Warning {
        enum class Kind {
            ScaleNotPositive,  // `item`: the scale, which is no positive number
            ElevationOption,   // `number`: the elevation option, not 0 or 1; `factor`: what the
                               // tachymetry amount is multiplied by for it
            LambdaNotPositive, // `item`: λ, which is no positive number; `number`: the λ priced
            FeeTooLarge,  // the fee (the grand total times λ) that single precision cannot hold
            NotANumber,   // `item` at `position`: a quantity that is no number
            Negative,     // `number` at `position`: a negative quantity
            WorkTooLarge, // a work's amount that the grand total cannot take
            Amount,       // `amount`: a statutory amount that counted as 0
        };
        // What a quoted first item of a file is, when there is none to quote.
        enum class Quoted { Item, EmptyFile, NoFile };

        Kind kind;
        // The file it is about.
        std::string file{};
        std::string item{};
        Quoted quoted = Quoted::Item;
        // Numbers as the report writes them.
        std::string number{};
        std::string factor{};
        // Counted from 1.
        std::size_t position = 0;
        store::StatutoryAmounts::Fault amount{};
    };

    struct Outcome {
        // Why each file that could not be read or written could not, once per file and cause.
        std::vector<store::Error> failures;
        // Each input that makes the report not add up: a negative quantity, an elevation option
        // other than 0 or 1, a λ or scale that is not a positive number, an amount single
        // precision cannot hold.
        std::vector<Warning> warnings;
        bool ok() const { return failures.empty(); }
    };

    static Outcome run(const std::filesystem::path& study, char decimalSeparator);
};

} // namespace velmora::calc
