// Picks the runs that carry the figures and prints them with their floor, their ratio and their goal.
#include "bench/figures_reporter.h"

#include <cstdio>

#include "bench/benchmarks.h"

namespace escartinol::bench {

namespace {

constexpr double kLoadGoalRatio = 1.3;
constexpr double kSearchGoalRatio = 1.3;
constexpr double kBurstGoalMs = 20.0;
constexpr int kBurstDraws = 50;

const char* Verdict(bool met) { return met ? "met" : "MISSED"; }

}  // namespace

void CFiguresReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred) continue;
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (single || (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median"))
            m_runs.insert_or_assign(run.run_name.function_name, run);
    }
}

double CFiguresReporter::Seconds(const std::string& name) const {
    const Run& run = m_runs.at(name);
    return run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

double CFiguresReporter::CpuSeconds(const std::string& name) const {
    const Run& run = m_runs.at(name);
    return run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

double CFiguresReporter::Counter(const std::string& name, const std::string& counter) const {
    const auto& counters = m_runs.at(name).counters;
    const auto found = counters.find(counter);
    return found == counters.end() ? 0.0 : found->second.value;
}

void CFiguresReporter::Finalize() {
    ConsoleReporter::Finalize();
    std::FILE* out = stdout;
    std::fflush(out);
    std::fprintf(out, "\nFigures (lists in %s)\n", m_listDir.c_str());
    if (Has(kLoadName)) {
        const double load = Counter(kLoadName, kLoadCounter) / 1e3;
        const double floor = Counter(kLoadName, kFloorCounter) / 1e3;
        const double ratio = load / floor;
        const double fresh = Counter(kLoadName, kFreshLoadCounter) / 1e3;
        std::fprintf(out,
                     "1. Load    LoadWordLists %.3f ms, %.0f keys | floor %.3f ms (each file read once, with one read, "
                     "its line feeds counted with memchr; medians, timed by turns) | %.2fx | goal <= %.1fx: %s\n",
                     load, Counter(kLoadName, kKeysCounter), floor, ratio, kLoadGoalRatio,
                     Verdict(ratio <= kLoadGoalRatio));
        std::fprintf(out,
                     "          on memory fresh from the system, as at the game's start: %.3f ms, %.2fx the floor (the "
                     "system providing the pages of the buffer and the index)\n",
                     fresh, fresh / floor);
    }
    if (Has(kSearchName)) {
        const double ratio = Counter(kSearchName, kRatioMedianCounter);
        std::fprintf(
            out,
            "2. Search  %d seeded draws: median %.1f us, p99 %.1f us (processor time: median %.0f us, p99 %.0f "
            "us) | %.1f lookups and %.2f hits a draw\n",
            kSearchDraws, Counter(kSearchName, kMedianCounter), Counter(kSearchName, kP99Counter),
            Counter(kSearchName, kCpuMedianCounter), Counter(kSearchName, kCpuP99Counter),
            Counter(kSearchName, kLookupsCounter), Counter(kSearchName, kHitsCounter));
        std::fprintf(out,
                     "          floor of a draw = its hits x %.2f us (one line fetch: open, fstat, pread, close) + its "
                     "lookups x %.3f us (one lookup), medians timed in the same run; median floor %.1f us\n",
                     Counter(kSearchName, kFetchCounter), Counter(kSearchName, kLookupCounter),
                     Counter(kSearchName, kFloorMedianCounter));
        std::fprintf(out,
                     "          each draw's time over its own floor: median %.2fx (median time over median floor "
                     "%.2fx) | goal <= %.1fx: %s\n",
                     ratio, Counter(kSearchName, kMedianCounter) / Counter(kSearchName, kFloorMedianCounter),
                     kSearchGoalRatio, Verdict(ratio <= kSearchGoalRatio));
    }
    if (Has(kBurstName)) {
        const double burst = Seconds(kBurstName) * 1e3;
        std::fprintf(
            out,
            "3. Burst   %d draws with their searches: %.2f ms (%.1f us a draw; processor time %.2f ms) | goal < "
            "%.0f ms: %s\n",
            kBurstDraws, burst, burst * 1e3 / kBurstDraws, CpuSeconds(kBurstName) * 1e3, kBurstGoalMs,
            Verdict(burst < kBurstGoalMs));
    }
    std::fflush(out);
}

}  // namespace escartinol::bench
