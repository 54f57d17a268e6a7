// The search over the seeded draws, each draw timed on its own for the median and the 99th percentile.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <numeric>
#include <vector>

#include "bench/benchmarks.h"
#include "bench/seeded_draws.h"
#include "words/word_search.h"

namespace escartinol::bench {

namespace {

struct NullRows : IResultRows {
    void SetRowText(int, const std::string&) override {}
};

double Percentile(std::vector<double>& samples, double fraction) {
    const auto rank = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(rank), samples.end());
    return samples[rank];
}

long Total(const std::array<long, kListCount>& counts) { return std::accumulate(counts.begin(), counts.end(), 0L); }

}  // namespace

void SearchSeededDrawsBench(benchmark::State& state) {
    CWordLists lists(ListDir());
    lists.LoadWordLists();
    NullRows rows;
    CWordSearch search(lists, rows);
    const auto draws = SeededDraws(kSearchDraws, kDrawSeed);
    std::array<std::string, 3> rowWords;
    std::vector<double> microseconds;
    std::vector<double> cpuMicroseconds;
    lists.m_lookupCount = {};
    lists.m_fetchCount = {};

    for (auto _ : state) {
        for (const auto& draw : draws) {
            std::array<char, 9> letters = draw;
            for (std::string& words : rowWords) words.clear();
            // Processor time as well: on a shared machine the wall clock also counts other programs' turns.
            const std::clock_t cpuStart = std::clock();
            const auto start = std::chrono::steady_clock::now();
            search.SearchWords(letters, rowWords);
            const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
            const std::clock_t cpuEnd = std::clock();
            microseconds.push_back(took.count());
            cpuMicroseconds.push_back(static_cast<double>(cpuEnd - cpuStart) * 1e6 / CLOCKS_PER_SEC);
        }
    }
    const auto searched = static_cast<double>(microseconds.size());
    state.SetItemsProcessed(static_cast<std::int64_t>(microseconds.size()));
    state.counters[kLookupsCounter] = static_cast<double>(Total(lists.m_lookupCount)) / searched;
    state.counters[kHitsCounter] = static_cast<double>(Total(lists.m_fetchCount)) / searched;
    state.counters[kMedianCounter] = Percentile(microseconds, 0.5);
    state.counters[kP99Counter] = Percentile(microseconds, 0.99);
    state.counters[kCpuMedianCounter] = Percentile(cpuMicroseconds, 0.5);
    state.counters[kCpuP99Counter] = Percentile(cpuMicroseconds, 0.99);
}

}  // namespace escartinol::bench
