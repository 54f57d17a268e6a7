// Loading the six lists, timed by turns with its floor: each file read once and its lines counted.
#include <fcntl.h>
#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <vector>

#include "bench/benchmarks.h"
#include "bench/percentile.h"
#include "words/file_descriptor.h"
#include "words/word_lists.h"

namespace escartinol::bench {

namespace {

using Clock = std::chrono::steady_clock;

double MicrosecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// One read of the whole file into buffer, then its line feeds counted with memchr; -1 when it fails.
long CountLineFeeds(const std::string& path, std::size_t size, char* buffer) {
    const CFileDescriptor file(path, O_RDONLY);
    if (!file.IsOpen() || ::read(file.Get(), buffer, size) != static_cast<ssize_t>(size)) return -1;
    long lines = 0;
    for (const char *p = buffer, *end = buffer + size;
         (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr; ++p)
        ++lines;
    return lines;
}

}  // namespace

// Each round times the floor, then the load, so that both see the machine as busy as the other. The
// floor's buffer is allocated once, outside the timing, so the floor is the reads and the count alone;
// the load likewise reuses memory freed by the load before (main keeps it). A third load follows on
// memory handed back to the system first, as the game's one load at start-up gets it, to show what
// the system's providing its pages adds.
void LoadWordListsBench(benchmark::State& state) {
    const CWordLists names(ListDir());
    std::vector<std::size_t> sizes;
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) sizes.push_back(std::filesystem::file_size(names.Path(n)));
    std::vector<char> buffer(*std::max_element(sizes.begin(), sizes.end()));
    std::vector<double> floorSamples;
    std::vector<double> loadSamples;
    std::vector<double> freshLoadSamples;
    long lines = 0;
    long keys = 0;
    const auto timeLoad = [&keys](std::vector<double>& samples) {
        CWordLists lists(ListDir());
        const auto start = Clock::now();
        lists.LoadWordLists();
        samples.push_back(MicrosecondsSince(start));
        keys = 0;
        for (int n = kMinWordLength; n <= kMaxWordLength; ++n) keys += lists.KeyCount(n);
        benchmark::DoNotOptimize(keys);
    };
    for (auto _ : state) {
        const auto start = Clock::now();
        lines = 0;
        for (int n = kMaxWordLength; n >= kMinWordLength; --n)
            lines += CountLineFeeds(names.Path(n), sizes[n - kMinWordLength], buffer.data());
        floorSamples.push_back(MicrosecondsSince(start));
        timeLoad(loadSamples);
        ::malloc_trim(0);
        timeLoad(freshLoadSamples);
    }
    state.counters[kLoadCounter] = Median(loadSamples);
    state.counters[kFreshLoadCounter] = Median(freshLoadSamples);
    state.counters[kFloorCounter] = Median(floorSamples);
    state.counters[kKeysCounter] = static_cast<double>(keys);
    state.counters[kLinesCounter] = static_cast<double>(lines);
}

}  // namespace escartinol::bench
