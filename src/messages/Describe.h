#pragma once

#include "calc/CalculationRun.h"
#include "calc/ReportText.h"
#include "store/base/Result.h"
#include "store/study/StatutoryAmounts.h"

#include <string>
#include <vector>

namespace velmora::messages {

// The sentence, in Greek, that tells the user what went wrong: which file, what the program was
// doing and, where the system gave one, the system's own reason.
std::string describe(const store::Error& error);

// Empty when it worked.
template <class T> std::string describe(const store::Result<T>& result) {
    return result ? std::string() : describe(result.error());
}

// Every failure on a line of its own.
std::string describe(const std::vector<store::Error>& errors);

// What counted as 0 in a list of statutory amounts, as a clause of a sentence.
std::string describe(const store::StatutoryAmounts::Fault& fault);

// One line for an input that makes the report not add up, beginning with the file it is about.
std::string describe(const calc::CalculationRun::Warning& warning);

// What keeps the report from being whole; empty when it is.
std::string describe(const calc::ReportText::Report& report);

// The name of the file an error is about, without its folder, for a sentence that says where.
std::string fileNameOf(const store::Error& error);

// Names the report's section files that were never computed.
std::string missingSections(const std::vector<std::string>& missing);

// Tells that the report is older than the study, naming the files changed since.
std::string staleReport(const std::vector<std::string>& newer);

} // namespace velmora::messages
