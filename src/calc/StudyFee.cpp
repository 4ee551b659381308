#include "calc/StudyFee.h"

#include "calc/SectionLines.h"
#include "store/NumberText.h"

#include <cmath>

namespace velmora::calc {
namespace {

double hundredthsOf(double rate, float fee) {
    return std::floor(100.0 * (rate * static_cast<double>(fee))) / 100.0;
}

} // namespace

StudyFee StudyFee::compute(float runningTotal, float lambda) {
    StudyFee f;
    f.runningTotal = runningTotal;
    f.lambda = lambda;
    double fee =
        std::floor(static_cast<double>(runningTotal) * static_cast<double>(lambda) * 100.0) / 100.0;
    // A fee beyond single precision cannot be held; it stays 0, as does everything from it.
    const auto single = store::NumberText::toSingle(fee);
    f.feeFits = single.has_value();
    f.fee = single.value_or(0.0f);
    f.vat = hundredthsOf(0.18, f.fee);
    f.fem = hundredthsOf(0.04, f.fee);
    f.tsmede = hundredthsOf(0.03, f.fee);
    f.tee = hundredthsOf(0.02, f.fee);
    const double wide = f.fee;
    f.finalTotal = std::floor(100.0 * (0.27 * wide + wide)) / 100.0;
    return f;
}

std::vector<std::string> StudyFee::section(const NumberField& field) const {
    SectionLines out(field);
    out.ruler();
    out.plain("");
    out.plain("ΓΕΝΙΚΟ ΣΥΝΟΛΟ......" + field.single(runningTotal));
    out.plain(SectionLines::repeat('-', 25));
    out.plain(std::string(kFeeLine) + field.single(runningTotal) + " X " + field.single(lambda) +
              " = " + field.single(fee));
    out.labelled("Φ.Π.Α. 18%     = ", vat);
    out.labelled("Φ.Ε.Μ   4%     = ", fem);
    out.labelled("ΤΣΜΕΔΕ  3% = ", tsmede);
    out.labelled("T.E.E   2%     = ", tee);
    out.underline(31);
    out.labelled("ΣΥΝΟΛΟ.........= ", finalTotal);
    out.plain("");
    return out.take();
}

} // namespace velmora::calc
