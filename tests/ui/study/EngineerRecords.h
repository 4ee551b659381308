#pragma once

#include <string>
#include <vector>

namespace velmora::test {

// A registry of two engineers, in the order they were added.
inline const std::vector<std::string>& twoEngineers() {
    static const std::vector<std::string> lines = {
        "Μαρία", "Νικολάου", "Σόλωνος 10", "Αθήνα",       "Πολιτικός Μηχανικός",
        "Νίκος", "Δήμου",    "Τσιμισκή 3", "Θεσσαλονίκη", "Τεχνολόγος Τοπογράφος"};
    return lines;
}

} // namespace velmora::test
