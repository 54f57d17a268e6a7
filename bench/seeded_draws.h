// Draws of nine letters from the game's draw table with a fixed seed, the same on every run.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace escartinol::bench {

// The draws every search timing takes, native or in a browser.
inline constexpr int kSearchDraws = 1000;
inline constexpr unsigned kDrawSeed = 20240607u;

std::vector<std::array<char, 9>> SeededDraws(int count, std::uint32_t seed);

}  // namespace escartinol::bench
