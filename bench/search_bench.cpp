// The search over the seeded draws, each draw timed on its own, against its input-output floor:
// the draw's hits times one line fetch plus its lookups times one lookup, the medians of both timed
// in the same run, draw by draw beside the searches.
#include <algorithm>
#include <chrono>
#include <ctime>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "bench/benchmarks.h"
#include "bench/percentile.h"
#include "bench/seeded_draws.h"
#include "words/word_search.h"

namespace escartinol::bench {

namespace {

using Clock = std::chrono::steady_clock;

// The input and output of one draw's search: the keys it looks up and the lines it reads.
struct DrawWork {
    std::vector<std::pair<int, std::string>> lookups;
    std::vector<std::pair<int, std::int32_t>> hits;
};

// Every distinct key of n of the letters, which is what the search looks up at that length.
std::vector<std::string> KeysOfLength(std::array<char, 9> letters, int n) {
    std::sort(letters.begin(), letters.end());
    std::array<bool, 9> chosen{};
    std::fill_n(chosen.begin(), n, true);
    std::set<std::string> keys;
    do {
        std::string key;
        for (std::size_t i = 0; i < letters.size(); ++i)
            if (chosen[i]) key += letters[i];
        keys.insert(key);
    } while (std::prev_permutation(chosen.begin(), chosen.end()));
    return {keys.begin(), keys.end()};
}

// Searches the draw once to learn which lengths it consults, then lists the keys of those lengths
// and the lines of the keys found. Empty when that does not add up to the search's own counts.
DrawWork WorkOfDraw(CWordLists& lists, CWordSearch& search, const std::array<char, 9>& draw) {
    lists.ResetCounts();
    benchmark::DoNotOptimize(search.SearchWords(draw));
    long lookupTotal = 0;
    long fetchTotal = 0;
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        lookupTotal += lists.LookupCount(n);
        fetchTotal += lists.FetchCount(n);
    }

    DrawWork work;
    std::string line;
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        if (lists.LookupCount(n) == 0) continue;
        for (std::string& key : KeysOfLength(draw, n)) {
            const std::int32_t i = lists.FindListKey(n, key.c_str());
            if (i >= 0 && lists.FetchListLine(n, i, line)) work.hits.emplace_back(n, i);
            work.lookups.emplace_back(n, std::move(key));
        }
    }
    if (static_cast<long>(work.lookups.size()) != lookupTotal || static_cast<long>(work.hits.size()) != fetchTotal)
        return {};
    return work;
}

double MicrosecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

}  // namespace

void SearchSeededDrawsBench(benchmark::State& state) {
    CWordLists lists(ListDir());
    lists.LoadWordLists();
    CWordSearch search(lists);
    const auto draws = SeededDraws(kSearchDraws, kDrawSeed);
    std::vector<DrawWork> work;
    double lookups = 0;
    double hits = 0;
    for (const auto& draw : draws) {
        work.push_back(WorkOfDraw(lists, search, draw));
        if (work.back().lookups.empty()) {
            state.SkipWithError("the keys listed for a draw are not the ones its search looked up");
            return;
        }
        lookups += static_cast<double>(work.back().lookups.size());
        hits += static_cast<double>(work.back().hits.size());
    }

    std::string line;
    std::vector<double> microseconds;
    std::vector<double> cpuMicroseconds;
    std::vector<std::size_t> drawOfSample;
    std::vector<double> lookupSamples;
    std::vector<double> fetchSamples;
    for (auto _ : state) {
        for (std::size_t d = 0; d < draws.size(); ++d) {
            // Processor time as well: on a shared machine the wall clock also counts other programs' turns.
            const std::clock_t cpuStart = std::clock();
            auto start = Clock::now();
            benchmark::DoNotOptimize(search.SearchWords(draws[d]));
            microseconds.push_back(MicrosecondsSince(start));
            cpuMicroseconds.push_back(static_cast<double>(std::clock() - cpuStart) * 1e6 / CLOCKS_PER_SEC);
            drawOfSample.push_back(d);

            // The floor's two parts, timed at once beside the draw, on another draw's keys and lines, which
            // the search has not just brought into the caches.
            const DrawWork& other = work[(d + draws.size() / 2) % draws.size()];
            start = Clock::now();
            for (const auto& [n, key] : other.lookups) benchmark::DoNotOptimize(lists.FindListKey(n, key.c_str()));
            lookupSamples.push_back(MicrosecondsSince(start) / static_cast<double>(other.lookups.size()));
            if (other.hits.empty()) continue;
            start = Clock::now();
            for (const auto& [n, i] : other.hits) benchmark::DoNotOptimize(lists.FetchListLine(n, i, line));
            fetchSamples.push_back(MicrosecondsSince(start) / static_cast<double>(other.hits.size()));
        }
    }

    const double lookup = Median(lookupSamples);
    const double fetch = Median(fetchSamples);
    std::vector<double> floors;
    std::vector<double> ratios;
    for (std::size_t s = 0; s < microseconds.size(); ++s) {
        const DrawWork& draw = work[drawOfSample[s]];
        const double floor =
            static_cast<double>(draw.hits.size()) * fetch + static_cast<double>(draw.lookups.size()) * lookup;
        floors.push_back(floor);
        ratios.push_back(microseconds[s] / floor);
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(microseconds.size()));
    state.counters[kLookupsCounter] = lookups / static_cast<double>(draws.size());
    state.counters[kHitsCounter] = hits / static_cast<double>(draws.size());
    state.counters[kLookupCounter] = lookup;
    state.counters[kFetchCounter] = fetch;
    state.counters[kFloorMedianCounter] = Median(floors);
    state.counters[kRatioMedianCounter] = Median(ratios);
    state.counters[kMedianCounter] = Median(microseconds);
    state.counters[kP99Counter] = Percentile(microseconds, 0.99);
    state.counters[kCpuMedianCounter] = Median(cpuMicroseconds);
    state.counters[kCpuP99Counter] = Percentile(cpuMicroseconds, 0.99);
}

}  // namespace escartinol::bench
