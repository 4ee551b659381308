#include "calc/SectionLines.h"

namespace velmora::calc {

void SectionLines::ruler() {
    lines_.push_back(repeat('-', kRulerWidth));
}

void SectionLines::tabbed(std::string_view text) {
    lines_.push_back("\t" + std::string(text));
}

void SectionLines::underline(int hyphens) {
    lines_.push_back("\t" + repeat('-', hyphens));
}

void SectionLines::labelled(std::string_view label, std::optional<double> value) {
    lines_.push_back("\t" + std::string(label) + field_(value));
}

void SectionLines::product(double quantity, std::optional<double> price, double amount) {
    lines_.push_back("\t" + field_(quantity) + "X" + field_(price) + "=" + field_(amount));
}

void SectionLines::plain(std::string text) {
    lines_.push_back(std::move(text));
}

} // namespace velmora::calc
