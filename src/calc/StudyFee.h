#pragma once

#include "calc/NumberField.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::calc {

// The study fee (running total times λ, cut to hundredths) and the statutory amounts on it.
struct StudyFee {
    float runningTotal = 0;
    float lambda = 0;
    float fee = 0;
    double vat = 0;        // 18%
    double fem = 0;        // 4%
    double tsmede = 0;     // 3%
    double tee = 0;        // 2%
    double finalTotal = 0; // fee plus 27% of it, cut on its own
    // False when the fee is beyond single precision and so left at 0, with everything from it.
    bool feeFits = true;

    // How the totals section begins the line of the study fee, which the fee ends.
    static constexpr std::string_view kFeeLine = "ΑΜΟΙΒΗ ΜΕΛΈΤΗΣ = ";

    static StudyFee compute(float runningTotal, float lambda);

    // The totals section of the report.
    std::vector<std::string> section(const NumberField& field) const;
};

} // namespace velmora::calc
