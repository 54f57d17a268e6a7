// The same generator and distribution as the game's draw, so the letters have its frequencies.
#include "bench/seeded_draws.h"

#include <random>

#include "game/draw_table.h"

namespace escartinol::bench {

std::vector<std::array<char, 9>> SeededDraws(int count, std::uint32_t seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> distribution(0, kDrawRange - 1);
    std::vector<std::array<char, 9>> draws(static_cast<std::size_t>(count));
    for (auto& draw : draws)
        for (char& letter : draw) letter = LetterForDraw(distribution(random));
    return draws;
}

}  // namespace escartinol::bench
