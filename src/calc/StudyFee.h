#pragma once

#include "calc/NumberField.h"
#include "store/study/StatutoryAmounts.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::calc {

// The study fee (running total times λ, cut to hundredths) and the statutory amounts on it.
struct StudyFee {
    float runningTotal = 0;
    float lambda = 0;
    float fee = 0;
    std::vector<store::StatutoryAmount> rates;
    // Each rate's amount, in the order of `rates`.
    std::vector<double> amounts;
    double finalTotal = 0; // fee plus the sum of the rates on it, cut on its own
    // False when the fee is beyond single precision and so left at 0, with everything from it.
    bool feeFits = true;

    static StudyFee
    compute(float runningTotal, float lambda,
            const std::vector<store::StatutoryAmount>& rates = store::StatutoryAmounts::standard());
    // How the totals section begins the line of the study fee, which the fee ends.
    static constexpr std::string_view kFeeLine = "ΑΜΟΙΒΗ ΜΕΛΈΤΗΣ = ";

    // The totals section of the report.
    std::vector<std::string> section(const NumberField& field) const;
};

} // namespace velmora::calc
