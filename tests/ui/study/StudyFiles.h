#pragma once

#include "store/Cp1253.h"
#include "support/UiTest.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

namespace velmora::test {

// Files as the program stores them, for the tests of the study windows.
struct StudyFiles {
    // The bytes of these UTF-8 lines in the code page, each ended by CR LF.
    static std::string stored(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines)
            bytes += store::Cp1253::encode(line).value() + "\r\n";
        return bytes;
    }

    // A registry of two engineers, in the order they were added.
    static const std::vector<std::string>& twoEngineers() {
        static const std::vector<std::string> lines = {
            "Μαρία", "Νικολάου", "Σόλωνος 10", "Αθήνα",       "Πολιτικός Μηχανικός",
            "Νίκος", "Δήμου",    "Τσιμισκή 3", "Θεσσαλονίκη", "Τεχνολόγος Τοπογράφος"};
        return lines;
    }

    static void put(const std::filesystem::path& file, const std::vector<std::string>& lines) {
        std::ofstream(file, std::ios::binary) << stored(lines);
    }

    // Every file and folder under `folder` with its bytes: equal snapshots mean nothing was
    // written.
    static std::map<std::string, std::string> snapshot(const std::filesystem::path& folder) {
        std::map<std::string, std::string> files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            files[entry.path().lexically_relative(folder).generic_string()] =
                entry.is_regular_file() ? std::string(std::istreambuf_iterator<char>(in), {})
                                        : "<folder>";
        }
        return files;
    }
};

} // namespace velmora::test
