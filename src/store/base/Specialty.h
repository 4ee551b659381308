#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace velmora::store {

// The engineering specialties the program knows. A study keeps the code of its engineer's
// specialty; codes up to 2 (0 being any other text) carry the right to triangulation work.
class Specialty {
public:
    // Names of codes 1 to 6, in code order.
    static constexpr std::array<std::string_view, 6> kNames = {
        "Αγρονόμος Τοπογράφος Μηχανικός", "Πολιτικός Μηχανικός",      "Αρχιτεκτονας Μηχανικός",
        "Τεχνολόγος Τοπογράφος",          "Τεχνολόγος Δομικών Έργων", "Τεχνολόγος Έργων Υποδομής",
    };

    // 1 to 6 for a name of the table, compared character for character; 0 for any other text.
    static int codeOf(std::string_view text) {
        for (std::size_t i = 0; i < kNames.size(); ++i)
            if (kNames[i] == text) return static_cast<int>(i) + 1;
        return 0;
    }

    // The name of codes 1 to 6; nothing for any other code.
    static std::optional<std::string_view> nameOf(int code) {
        if (code < 1 || code > static_cast<int>(kNames.size())) return std::nullopt;
        return kNames[static_cast<std::size_t>(code) - 1];
    }

    static bool mayTriangulate(int code) { return code < 3; }
};

} // namespace velmora::store
