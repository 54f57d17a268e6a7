// One line fetch on its own, at seeded positions over the six lists: what each hit of a search costs.
#include <random>
#include <utility>
#include <vector>

#include "bench/benchmarks.h"
#include "words/word_lists.h"

namespace escartinol::bench {

void FetchListLineBench(benchmark::State& state) {
    CWordLists lists(ListDir());
    lists.LoadWordLists();
    std::mt19937 random(kDrawSeed);
    std::vector<std::pair<int, std::int32_t>> lines;
    for (int k = 0; k < kSearchDraws; ++k) {
        const int n = kMinWordLength + static_cast<int>(random() % kListCount);
        lines.emplace_back(n, static_cast<std::int32_t>(random() % static_cast<unsigned>(lists.KeyCount(n))));
    }
    std::string line;
    for (auto _ : state)
        for (const auto& [n, i] : lines) benchmark::DoNotOptimize(lists.FetchListLine(n, i, line));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(lines.size()));
}

}  // namespace escartinol::bench
