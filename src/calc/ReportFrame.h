#pragma once

#include "calc/NumberField.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace velmora::calc {

// The head and the foot of the report: owner, site, scale, λ and plan zone above the works, the
// engineer's name below them.
struct ReportFrame {
    // The twelve study details in file order: owner first name, surname, address, city;
    // municipality, municipal district, site location; engineer first name, surname, address,
    // city, specialty.
    std::array<std::string, 12> details;
    std::optional<double> scale;
    float lambda = 0;
    std::int16_t zone = 0;

    std::vector<std::string> head(const NumberField& field) const;
    std::vector<std::string> foot() const;

    static constexpr const char* kCredit = "Αμοιβές τοπογραφικών εργασιών σύμφωνα με το ΠΔ 696";
};

} // namespace velmora::calc
