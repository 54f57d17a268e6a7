// Which typed entries make a draw: the first nine characters must all be capitals A..Z.
#pragma once

#include <algorithm>
#include <optional>
#include <string_view>

#include "board/geometry.h"
#include "words/list_format.h"

namespace escartinol {

inline constexpr std::size_t kEnteredLetterCount = kTileCount;

// Anything else would index the letter images out of range and feed blanks to the search.
inline bool StartsWithNineCapitals(std::string_view text) {
    return text.size() >= kEnteredLetterCount &&
           std::all_of(text.begin(), text.begin() + kEnteredLetterCount, IsKeyLetter);
}

// A letter box keeps what fits its width. What was just typed or pasted ends at the cursor and the
// text before it fitted, so cutting the fewest characters before the cursor keeps as much of the
// start of the insertion as fits. fits(cut) tells whether the text fits with cut characters before
// the cursor taken out; more cut never fits worse. Nothing when even cutting them all does not fit.
template <typename Fits>
std::optional<int> FewestCutToFit(int cursor, Fits fits) {
    int low = 0;
    int high = cursor + 1;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (fits(middle))
            high = middle;
        else
            low = middle + 1;
    }
    if (low > cursor) return std::nullopt;
    return low;
}

}  // namespace escartinol
