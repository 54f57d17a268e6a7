// The median time of one draw's search over the seeded draws, with the standard library alone, so that
// the same program runs natively and in a browser (built by the web preset) and the medians compare.
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/percentile.h"
#include "bench/seeded_draws.h"
#include "words/word_search.h"

int main(int argc, char** argv) {
    using namespace escartinol;
    using Clock = std::chrono::steady_clock;
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_search_timing LISTS_DIR\n");
        return 2;
    }
    CWordLists lists(argv[1]);
    lists.LoadWordLists();
    CWordSearch search(lists);
    // A browser's clock ticks in microseconds at best: each draw is searched a few times in a row.
    constexpr int kRepeats = 8;
    std::vector<double> samples;
    std::size_t found = 0;  // read, so that no search is left out as unused
    for (const auto& draw : bench::SeededDraws(bench::kSearchDraws, bench::kDrawSeed)) {
        const auto start = Clock::now();
        for (int r = 0; r < kRepeats; ++r) found += search.SearchWords(draw).rows[0].words.size();
        samples.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() / kRepeats);
    }
    std::printf("%.2f us median of %zu draws (%zu)\n", bench::Median(samples), samples.size(), found);
}
