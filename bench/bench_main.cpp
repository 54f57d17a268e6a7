// escartinol_bench: registers the core benchmarks, runs them on a folder of lists, prints the figures.
#include <malloc.h>

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

// The largest allocation malloc then takes from its heap instead of mapping it apart.
constexpr int kKeptAllocation = 32 << 20;

constexpr const char* kUsage =
    "usage: escartinol_bench [benchmark flags] [--lists DIR]\n"
    "       escartinol_bench --print-draws N    (the first N seeded draws, one a line)\n";

}  // namespace

const std::string& ListDir() { return g_listDir; }

}  // namespace escartinol::bench

int main(int argc, char** argv) {
    using namespace escartinol::bench;
    // Memory freed stays with the process, as the floor's buffer does, so that a load repeated reuses
    // its pages: the system's providing fresh ones (1.4 us a page where this was first measured) is no work of
    // the load, and the load benchmark times it apart.
    mallopt(M_MMAP_THRESHOLD, kKeptAllocation);
    mallopt(M_TRIM_THRESHOLD, kKeptAllocation);
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

    // The load and the search gather their own samples, each beside its floor, and report medians.
    benchmark::RegisterBenchmark(kLoadName, LoadWordListsBench)->Unit(benchmark::kMillisecond)->MinTime(2.0);
    benchmark::RegisterBenchmark(kSearchName, SearchSeededDrawsBench)->Unit(benchmark::kMillisecond)->MinTime(3.0);
    // The burst takes the median of five runs, which a busy moment of the machine moves less.
    benchmark::RegisterBenchmark(kBurstName, RepeatedDrawBench)
        ->Unit(benchmark::kMillisecond)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true);

    CFiguresReporter reporter(std::filesystem::current_path().string());
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
