// Loading the six lists, against the floor of reading the same bytes twice and counting their lines.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <vector>

#include "bench/benchmarks.h"
#include "words/word_lists.h"

namespace escartinol::bench {

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

// One read of the whole file into buffer, then its line feeds counted with memchr.
long CountLineFeeds(const std::string& path, std::size_t size, char* buffer) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file || std::fread(buffer, 1, size, file.get()) != size) return -1;
    long lines = 0;
    for (const char *p = buffer, *end = buffer + size;
         (p = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)))) != nullptr; ++p)
        ++lines;
    return lines;
}

}  // namespace

void LoadWordListsBench(benchmark::State& state) {
    long keys = 0;
    for (auto _ : state) {
        CWordLists lists(ListDir());
        lists.LoadWordLists();
        keys = 0;
        for (int n = kMinWordLength; n <= kMaxWordLength; ++n) keys += lists.KeyCount(n);
        benchmark::DoNotOptimize(keys);
    }
    state.counters["keys"] = static_cast<double>(keys);
}

// The buffer is allocated once, outside the timing, so the floor is the reads and the scan alone.
void ReadFloorBench(benchmark::State& state) {
    const CWordLists names(ListDir());
    std::vector<std::size_t> sizes;
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) sizes.push_back(std::filesystem::file_size(names.Path(n)));
    std::vector<char> buffer(*std::max_element(sizes.begin(), sizes.end()));
    long lines = 0;
    for (auto _ : state) {
        lines = 0;
        for (int pass = 0; pass < 2; ++pass)
            for (int n = kMaxWordLength; n >= kMinWordLength; --n)
                lines += CountLineFeeds(names.Path(n), sizes[n - kMinWordLength], buffer.data());
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines / 2);
}

}  // namespace escartinol::bench
