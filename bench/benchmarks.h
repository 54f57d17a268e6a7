// The benchmarks of the core and the names their figures are reported under.
#pragma once

#include <benchmark/benchmark.h>

#include <string>

namespace escartinol::bench {

inline constexpr const char* kLoadName = "LoadWordLists";
inline constexpr const char* kFloorName = "ReadFloor";
inline constexpr const char* kSearchName = "SearchSeededDraws";
inline constexpr const char* kFetchName = "FetchListLine";
inline constexpr const char* kBurstName = "RepeatedDraw";

// Counters of the search benchmark, per draw.
inline constexpr const char* kMedianCounter = "median_us";
inline constexpr const char* kP99Counter = "p99_us";
inline constexpr const char* kCpuMedianCounter = "cpu_median_us";
inline constexpr const char* kCpuP99Counter = "cpu_p99_us";
inline constexpr const char* kLookupsCounter = "lookups";
inline constexpr const char* kHitsCounter = "hits";

inline constexpr int kSearchDraws = 1000;
inline constexpr unsigned kDrawSeed = 20240607u;

// The folder of the six lists, from the command line.
const std::string& ListDir();

void LoadWordListsBench(benchmark::State& state);
void ReadFloorBench(benchmark::State& state);
void SearchSeededDrawsBench(benchmark::State& state);
void FetchListLineBench(benchmark::State& state);
void RepeatedDrawBench(benchmark::State& state);

}  // namespace escartinol::bench
