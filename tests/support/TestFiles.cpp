#include "TestFiles.h"

#include "store/AtomicFile.h"

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

void TestFiles::blockReplacement(const std::filesystem::path& target) {
    for (int attempt = 0; attempt < store::AtomicFile::kAttempts; ++attempt)
        std::filesystem::create_directories(store::AtomicFile::temporaryFor(target, attempt));
}

void TestFiles::copyFiles(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::filesystem::create_directories(to);
    for (const auto& entry : std::filesystem::directory_iterator(from))
        if (entry.is_regular_file())
            std::filesystem::copy_file(entry.path(), to / entry.path().filename());
}

std::map<std::string, std::string> TestFiles::snapshot(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).generic_string();
        files[name] = entry.is_regular_file() ? bytes(entry.path()) : "<folder>";
    }
    return files;
}

} // namespace velmora::testing
