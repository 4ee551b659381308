#include "calc/StudyFee.h"

#include "calc/SectionLines.h"
#include "store/text/NumberText.h"

#include <cmath>

namespace velmora::calc {
namespace {

double hundredthsOf(double rate, float fee) {
    return std::floor(100.0 * (rate * static_cast<double>(fee))) / 100.0;
}

} // namespace

StudyFee StudyFee::compute(float runningTotal, float lambda,
                           const std::vector<store::StatutoryAmount>& rates) {
    StudyFee f;
    f.runningTotal = runningTotal;
    f.lambda = lambda;
    f.rates = rates;
    double fee =
        std::floor(static_cast<double>(runningTotal) * static_cast<double>(lambda) * 100.0) / 100.0;
    // A fee beyond single precision cannot be held; it stays 0, as does everything from it.
    const auto single = store::NumberText::toSingle(fee);
    f.feeFits = single.has_value();
    f.fee = single.value_or(0.0f);
    // The total takes the rates' sum on the fee, not the sum of the cut amounts: the four of old
    // add up, in this order, to exactly the 0.27 it was always priced with.
    double sum = 0;
    for (const store::StatutoryAmount& rate : rates) {
        f.amounts.push_back(hundredthsOf(rate.rate, f.fee));
        sum += rate.rate;
    }
    const double wide = f.fee;
    f.finalTotal = std::floor(100.0 * (sum * wide + wide)) / 100.0;
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
    for (std::size_t i = 0; i < rates.size(); ++i)
        out.labelled(rates[i].label, amounts[i]);
    out.underline(31);
    out.labelled("ΣΥΝΟΛΟ.........= ", finalTotal);
    out.plain("");
    return out.take();
}

} // namespace velmora::calc
