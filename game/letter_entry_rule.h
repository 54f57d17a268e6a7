// Which typed entries make a draw: the first nine characters must all be capitals A..Z.
#pragma once

#include <algorithm>
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

}  // namespace escartinol
