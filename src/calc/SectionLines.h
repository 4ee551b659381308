#pragma once

#include "calc/NumberField.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::calc {

// The lines of one report section, built from the few shapes every work section shares.
class SectionLines {
public:
    explicit SectionLines(const NumberField& field) : field_(field) {}

    // 83 hyphens, no TAB: the first line of every work section and of the totals.
    static constexpr int kRulerWidth = 83;
    void ruler();
    // TAB and a text.
    void tabbed(std::string_view text);
    // TAB and a run of hyphens.
    void underline(int hyphens);
    // TAB, a label and a value.
    void labelled(std::string_view label, std::optional<double> value);
    // TAB, quantity, "X", price, "=", amount.
    void product(double quantity, std::optional<double> price, double amount);
    // A line exactly as given.
    void plain(std::string text);

    const NumberField& field() const { return field_; }
    const std::vector<std::string>& lines() const { return lines_; }
    std::vector<std::string> take() { return std::move(lines_); }

    static std::string repeat(char c, int count) { return std::string(count, c); }

private:
    const NumberField& field_;
    std::vector<std::string> lines_;
};

} // namespace velmora::calc
