// Upper bounds of r per letter; Z owns two rows, at both ends of the rare letters.
#include "game/draw_table.h"

#include <algorithm>
#include <array>

namespace escartinol {

namespace {

struct DrawRow {
    char letter;
    int upperBound;
};

constexpr std::array<DrawRow, 26> kDrawTable = {{
    {'E', 5215},  {'R', 8457},  {'I', 11627}, {'S', 14382}, {'A', 17136}, {'N', 19674}, {'T', 22002},
    {'O', 23942}, {'U', 25161}, {'L', 26373}, {'C', 27549}, {'P', 28388}, {'M', 29190}, {'D', 29956},
    {'G', 30475}, {'F', 30926}, {'B', 31336}, {'V', 31712}, {'H', 32035}, {'Z', 32340}, {'Q', 32494},
    {'X', 32599}, {'Y', 32690}, {'J', 32751}, {'K', 32763}, {'Z', 32767},
}};

}  // namespace

char LetterForDraw(int r) {
    const auto row = std::lower_bound(kDrawTable.begin(), kDrawTable.end(), r,
                                      [](const DrawRow& row, int value) { return row.upperBound < value; });
    return row == kDrawTable.end() ? kDrawTable.back().letter : row->letter;
}

}  // namespace escartinol
