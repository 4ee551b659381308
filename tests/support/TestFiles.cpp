#include "TestFiles.h"

#include "store/base/TextPath.h"
#include "store/files/AtomicFile.h"
#include "store/files/ValueFile.h"
#include "store/study/Installation.h"
#include "store/text/Cp1253.h"

#include <gtest/gtest.h>

#include <cctype>
#include <chrono>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace velmora::testing {

std::filesystem::path TestFiles::data(const std::filesystem::path& relative) {
    return std::filesystem::path(VELMORA_TEST_DATA) / relative;
}

std::string TestFiles::bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void TestFiles::put(const std::filesystem::path& file, std::string_view bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write test file " + file.string());
}

std::string TestFiles::stored(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines)
        bytes += store::Cp1253::encode(line).value() + "\r\n";
    return bytes;
}

void TestFiles::writtenInOrder(const std::filesystem::path& folder,
                               const std::vector<std::string>& later) {
    // A moment well in the past, so that nothing the test writes next is taken as older.
    const auto moment =
        std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 365);
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) std::filesystem::last_write_time(entry.path(), moment);
    for (const std::string& name : later)
        std::filesystem::last_write_time(folder / store::TextPath::fromUtf8(name),
                                         moment + std::chrono::minutes(1));
}

void TestFiles::putLines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    put(file, stored(lines));
}

std::string TestFiles::text(const std::filesystem::path& file) {
    auto lines =
        store::ValueFile::readLines(file.parent_path(), store::TextPath::toUtf8(file.filename()));
    std::string joined;
    if (!lines) return joined;
    for (const std::string& line : *lines)
        joined += line + "\r\n";
    return joined;
}

std::vector<std::string> TestFiles::lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find("\r\n", at);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    return lines;
}

void TestFiles::copyFiles(const std::filesystem::path& from, const std::filesystem::path& to,
                          const std::function<std::string(const std::string&)>& rename) {
    std::filesystem::create_directories(to);
    for (const auto& entry : std::filesystem::directory_iterator(from)) {
        if (!entry.is_regular_file()) continue;
        const std::string name = entry.path().filename().string();
        std::filesystem::copy_file(entry.path(), to / (rename ? rename(name) : name),
                                   std::filesystem::copy_options::overwrite_existing);
    }
}

std::string TestFiles::capitals(std::string name) {
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

std::filesystem::path
TestFiles::makeStudy(const std::filesystem::path& home, const std::string& folderName,
                     const std::map<std::string, std::vector<std::string>>& files) {
    std::filesystem::path study = home / store::TextPath::fromUtf8(folderName);
    std::filesystem::create_directories(study);
    for (const auto& [name, lines] : files)
        EXPECT_TRUE(store::ValueFile::writeLines(study, name, lines).ok()) << name;
    EXPECT_TRUE(store::Installation::setCurrentStudy(home, study).ok());
    return study;
}

void TestFiles::blockReplacement(const std::filesystem::path& target) {
    for (int attempt = 0; attempt < store::AtomicFile::kAttempts; ++attempt)
        std::filesystem::create_directories(store::AtomicFile::temporaryFor(target, attempt));
}

std::map<std::string, std::string> TestFiles::snapshot(const std::filesystem::path& folder) {
    return listing(folder, true);
}

std::map<std::string, std::string> TestFiles::fileSnapshot(const std::filesystem::path& folder) {
    return listing(folder, false);
}

std::map<std::string, std::string> TestFiles::listing(const std::filesystem::path& folder,
                                                      bool withFolders) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).generic_string();
        if (entry.is_regular_file())
            files[name] = bytes(entry.path());
        else if (withFolders)
            files[name] = "<folder>";
    }
    return files;
}

} // namespace velmora::testing
