// The benchmarks of the core and the names their figures are reported under.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

#include "bench/seeded_draws.h"

namespace escartinol::bench {

inline constexpr const char* kLoadName = "LoadWordLists";
inline constexpr const char* kSearchName = "SearchSeededDraws";
inline constexpr const char* kBurstName = "RepeatedDraw";

// Counters of the load benchmark: medians of the load, of the load on memory fresh from the system,
// and of its floor, in microseconds.
inline constexpr const char* kLoadCounter = "load_us";
inline constexpr const char* kFreshLoadCounter = "fresh_load_us";
inline constexpr const char* kFloorCounter = "floor_us";
inline constexpr const char* kKeysCounter = "keys";
inline constexpr const char* kLinesCounter = "lines";

// Counters of the search benchmark, per draw.
inline constexpr const char* kMedianCounter = "median_us";
inline constexpr const char* kP99Counter = "p99_us";
inline constexpr const char* kCpuMedianCounter = "cpu_median_us";
inline constexpr const char* kCpuP99Counter = "cpu_p99_us";
inline constexpr const char* kLookupsCounter = "lookups";
inline constexpr const char* kHitsCounter = "hits";
// Its floor: the medians of one lookup and one line fetch, the median of the draws' floors, and the
// median of each draw's time over its own floor.
inline constexpr const char* kLookupCounter = "lookup_us";
inline constexpr const char* kFetchCounter = "fetch_us";
inline constexpr const char* kFloorMedianCounter = "floor_median_us";
inline constexpr const char* kRatioMedianCounter = "ratio_median";

// The folder of the six lists, from the command line.
const std::string& ListDir();

void LoadWordListsBench(benchmark::State& state);
void SearchSeededDrawsBench(benchmark::State& state);
void RepeatedDrawBench(benchmark::State& state);

}  // namespace escartinol::bench
