// Picks the runs that carry the figures and prints them with their floor, their ratio and their goal.
#include "bench/figures_reporter.h"

#include <cstdio>

#include "bench/benchmarks.h"

namespace escartinol::bench {

namespace {

constexpr double kLoadGoalRatio = 2.0;
constexpr double kSearchGoalMedianUs = 100.0;
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
    if (Has(kLoadName) && Has(kFloorName)) {
        const double load = Seconds(kLoadName) * 1e3;
        const double floor = Seconds(kFloorName) * 1e3;
        const double ratio = load / floor;
        std::fprintf(out,
                     "1. Load    LoadWordLists %.3f ms, %.0f keys | floor %.3f ms (six files read twice, memchr) | "
                     "ratio %.2fx | goal <= %.0fx: %s\n",
                     load, Counter(kLoadName, "keys"), floor, ratio, kLoadGoalRatio, Verdict(ratio <= kLoadGoalRatio));
    }
    if (Has(kSearchName)) {
        const double median = Counter(kSearchName, kMedianCounter);
        std::fprintf(out,
                     "2. Search  %d seeded draws: median %.1f us, p99 %.1f us, mean %.1f us a draw (processor time: "
                     "median %.0f us, p99 %.0f us) | %.1f lookups and %.2f hits a draw | goal median < %.0f us: %s\n",
                     kSearchDraws, median, Counter(kSearchName, kP99Counter), Seconds(kSearchName) * 1e6 / kSearchDraws,
                     Counter(kSearchName, kCpuMedianCounter), Counter(kSearchName, kCpuP99Counter),
                     Counter(kSearchName, kLookupsCounter), Counter(kSearchName, kHitsCounter), kSearchGoalMedianUs,
                     Verdict(median < kSearchGoalMedianUs));
        if (Has(kFetchName))
            std::fprintf(
                out, "          one line fetch alone (open, fstat, pread, close): %.2f us, processor time %.2f us\n",
                Seconds(kFetchName) * 1e6 / kSearchDraws, CpuSeconds(kFetchName) * 1e6 / kSearchDraws);
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
