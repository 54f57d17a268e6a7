// escartinol_bench: registers the core benchmarks, runs them on a folder of lists, prints the figures.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "bench/benchmarks.h"
#include "bench/figures_reporter.h"
#include "bench/seeded_draws.h"
#include "words/word_lists.h"

namespace escartinol::bench {

namespace {

// The lists are opened by their bare names in the current directory, as the game opens them.
std::string g_listDir;

constexpr const char* kUsage =
    "usage: escartinol_bench [benchmark flags] [--lists DIR]\n"
    "       escartinol_bench --print-draws N    (the first N seeded draws, one a line)\n";

}  // namespace

const std::string& ListDir() { return g_listDir; }

}  // namespace escartinol::bench

int main(int argc, char** argv) {
    using namespace escartinol::bench;
    benchmark::Initialize(&argc, argv);
    std::string listDir = ".";
    int printDraws = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--lists" && i + 1 < argc) {
            listDir = argv[++i];
        } else if (arg == "--print-draws" && i + 1 < argc) {
            printDraws = std::atoi(argv[++i]);
        } else {
            std::fprintf(stderr, "escartinol_bench: unexpected argument '%s'\n%s", arg.c_str(), kUsage);
            return 2;
        }
    }
    if (printDraws > 0) {
        for (const auto& draw : SeededDraws(std::min(printDraws, kSearchDraws), kDrawSeed))
            std::printf("%.9s\n", draw.data());
        return 0;
    }
    // A missing list would load as empty and make every figure look good.
    std::error_code error;
    std::filesystem::current_path(listDir, error);
    for (int n = escartinol::kMinWordLength; n <= escartinol::kMaxWordLength && !error; ++n) {
        if (!std::filesystem::is_regular_file(escartinol::ListFileName(n))) {
            std::fprintf(stderr, "escartinol_bench: no list %s in %s\n%s", escartinol::ListFileName(n).c_str(),
                         listDir.c_str(), kUsage);
            return 2;
        }
    }
    if (error) {
        std::fprintf(stderr, "escartinol_bench: cannot enter %s: %s\n", listDir.c_str(), error.message().c_str());
        return 2;
    }

    // Timings that repeat take the median of five runs, which a busy moment of the machine moves less.
    const auto repeated = [](const char* name, void (*function)(benchmark::State&)) {
        benchmark::RegisterBenchmark(name, function)
            ->Unit(benchmark::kMillisecond)
            ->Repetitions(5)
            ->ReportAggregatesOnly(true);
    };
    repeated(kFloorName, ReadFloorBench);
    repeated(kLoadName, LoadWordListsBench);
    // The search gathers its own per-draw samples, enough of them in two seconds.
    benchmark::RegisterBenchmark(kSearchName, SearchSeededDrawsBench)->Unit(benchmark::kMillisecond)->MinTime(2.0);
    repeated(kFetchName, FetchListLineBench);
    repeated(kBurstName, RepeatedDrawBench);

    CFiguresReporter reporter(std::filesystem::current_path().string());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
