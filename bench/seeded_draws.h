// Draws of nine letters from the game's draw table with a fixed seed, the same on every run.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace escartinol::bench {

std::vector<std::array<char, 9>> SeededDraws(int count, std::uint32_t seed);

}  // namespace escartinol::bench
