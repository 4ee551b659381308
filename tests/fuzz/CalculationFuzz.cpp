// Runs the whole calculation on a study whose files are cut from the fuzzer's bytes: the parts
// between NUL bytes become, in turn, the details, λ, scale, zone, specialty and work files.

#include "calc/CalculationRun.h"
#include "calc/ReportText.h"
#include "store/base/Catalogue.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string_view>
#include <system_error>
#include <unistd.h>

namespace {

using velmora::store::Catalogue;

constexpr std::array<std::string_view, 14> kInputs = {
    Catalogue::kDetails,       Catalogue::kLambda,     Catalogue::kScale,
    Catalogue::kZone,          Catalogue::kSpecialty,  Catalogue::kTriangulation,
    Catalogue::kPolygonometry, Catalogue::kTachymetry, Catalogue::kUrban,
    Catalogue::kApportionment, Catalogue::kLines,      Catalogue::kThousandths,
    Catalogue::kPlots,         Catalogue::kBuildings};

// In memory where the system has it: every run syncs twelve files, which a disk makes slow.
const std::filesystem::path& study() {
    static const std::filesystem::path folder = [] {
        std::error_code ec;
        const std::filesystem::path memory = "/dev/shm";
        auto path =
            (std::filesystem::is_directory(memory, ec) ? memory
                                                       : std::filesystem::temp_directory_path()) /
            ("velmora-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    // Gone when the fuzzer ends.
    static const struct Cleanup {
        ~Cleanup() {
            std::error_code ignored;
            std::filesystem::remove_all(folder, ignored);
        }
    } cleanup;
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::string_view name : kInputs) {
        const std::size_t end = rest.find('\0');
        const std::string_view part = rest.substr(0, end);
        std::ofstream(study() / name, std::ios::binary | std::ios::trunc)
            .write(part.data(), static_cast<std::streamsize>(part.size()));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    }
    velmora::calc::CalculationRun::run(study(), ',');
    velmora::calc::ReportText::join(study());
    return 0;
}
