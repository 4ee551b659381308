// The calculation run on a study with every work filled in, against floors that do the same file
// traffic with bare calls and nothing else. The run makes every section file reach the disk before
// it takes its name, and the folder after: the synced floor does the same, and the ratio
// run / synced floor is what the run's own work costs on top of the disk; our goal is at most
// 1.5. The plain floor leaves the syncing out; the run against it shows what syncing costs.

#include "calc/CalculationRun.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

// Reads and writes of one run, in the run's order: the scale, zone and λ, each work file followed
// by its section, λ again and the totals, the details, the zone again, the head and the foot.
struct Step {
    bool write;
    std::string_view name;
};
constexpr std::array<Step, 27> kSteps = {{
    {false, "klimaka.dat"}, {false, "entos.dat"},   {false, "l.dat"},       {false, "analog.dat"},
    {true, "analog1.dat"},  {false, "taxi.dat"},    {true, "taxi1.dat"},    {false, "asti.dat"},
    {true, "asti1.dat"},    {false, "polygon.dat"}, {true, "polygon1.dat"}, {false, "rymotom.dat"},
    {true, "rymotom1.dat"}, {false, "trig.dat"},    {true, "trig1.dat"},    {false, "them.dat"},
    {true, "them1.dat"},    {false, "xilosta.dat"}, {true, "xilosta1.dat"}, {false, "oix.dat"},
    {true, "oix1.dat"},     {false, "l.dat"},       {true, "synola.dat"},   {false, "stoixeia.dat"},
    {false, "entos.dat"},   {true, "arxi1.dat"},    {true, "telos.dat"},
}};

std::string readWhole(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// A copy of the benchmark study in a fresh temporary folder, removed at the end.
class StudyCopy {
public:
    explicit StudyCopy(const char* tag) {
        std::random_device random;
        folder_ = fs::temp_directory_path() /
                  ("velmora-bench-" + std::string(tag) + "-" + std::to_string(random()));
        fs::create_directories(folder_);
        for (const auto& entry : fs::directory_iterator(VELMORA_BENCH_STUDY))
            fs::copy_file(entry.path(), folder_ / entry.path().filename());
    }
    ~StudyCopy() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    const fs::path& folder() const { return folder_; }

private:
    fs::path folder_;
};

void CalculationRun(benchmark::State& state) {
    StudyCopy study("run");
    for (auto _ : state) {
        auto outcome = velmora::calc::CalculationRun::run(study.folder(), ',');
        benchmark::DoNotOptimize(outcome);
    }
}

// The same reads and writes as the run, each write through `replace`.
template <class Replace> void floorOf(benchmark::State& state, Replace replace) {
    StudyCopy study("floor");
    // The floor writes exactly the bytes the run writes.
    velmora::calc::CalculationRun::run(study.folder(), ',');
    std::map<std::string_view, std::string> sections;
    for (const Step& step : kSteps)
        if (step.write) sections[step.name] = readWhole(study.folder() / step.name);

    for (auto _ : state) {
        for (const Step& step : kSteps) {
            const fs::path target = study.folder() / step.name;
            if (!step.write) {
                std::string bytes = readWhole(target);
                benchmark::DoNotOptimize(bytes);
                continue;
            }
            fs::path temporary = target;
            temporary += ".tmp";
            replace(temporary, target, sections[step.name]);
        }
    }
}

void PlainStreamFloor(benchmark::State& state) {
    floorOf(state, [](const fs::path& temporary, const fs::path& target, const std::string& bytes) {
        {
            std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            out.flush();
        }
        fs::rename(temporary, target);
    });
}

#ifndef _WIN32
void SyncedFloor(benchmark::State& state) {
    floorOf(state, [](const fs::path& temporary, const fs::path& target, const std::string& bytes) {
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0666);
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        ::fsync(fd);
        ::close(fd);
        fs::rename(temporary, target);
        const int folder = ::open(target.parent_path().c_str(), O_RDONLY | O_DIRECTORY);
        ::fsync(folder);
        ::close(folder);
    });
}
BENCHMARK(SyncedFloor)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
#endif

// The disk of a shared machine is noisy; the median of several repetitions is what is compared.
BENCHMARK(CalculationRun)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();
BENCHMARK(PlainStreamFloor)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly();

// Prints as usual and keeps each benchmark's median real time per iteration for the ratio.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                times[run.run_name.function_name] = run.GetAdjustedRealTime();
    }
    std::map<std::string, double> times;
};

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto run = reporter.times.find("CalculationRun");
    for (const char* floorName : {"SyncedFloor", "PlainStreamFloor"}) {
        const auto floor = reporter.times.find(floorName);
        if (run != reporter.times.end() && floor != reporter.times.end() && floor->second > 0)
            std::printf("ratio to %s: %.2f\n", floorName, run->second / floor->second);
    }
    return 0;
}
