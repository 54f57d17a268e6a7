// The letter box's rules, which both front ends' boxes follow: what an input leaves in the box, and
// which entries make a draw (the first nine characters all capitals A..Z).
#pragma once

#include <algorithm>
#include <optional>
#include <string>
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

// A board named outside the box (a command line, a link): nine letters A..Z of either case, in
// capitals; nothing for any other name, which the box would not have taken either.
inline std::optional<std::string> NamedLetters(std::string_view name) {
    if (name.size() != kEnteredLetterCount) return std::nullopt;
    std::string letters(name);
    for (char& c : letters) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    if (!StartsWithNineCapitals(letters)) return std::nullopt;
    return letters;
}

// A letter box's text and its cursor, in UTF-16 code units as both front ends' boxes count them.
struct EntryText {
    std::u16string text;
    int cursor = 0;
    friend bool operator==(const EntryText&, const EntryText&) = default;
};

// The text with the lower-case letters of cp1252 in capitals (ß as SS). Only cp1252 reaches the
// game, so other scripts are left as they are.
std::u16string EntryCapitals(std::u16string_view text);

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

// What the box shows after an input that left typed in it with the cursor at cursor: capitals, cut to
// what fits before the cursor, the cursor after what was kept of the input. fits(text) measures text
// in the box's font. Nothing when not even the text around the input fits: the box keeps what it had.
template <typename Fits>
std::optional<EntryText> FitEntry(std::u16string_view typed, int cursor, Fits fits) {
    cursor = std::clamp(cursor, 0, static_cast<int>(typed.size()));
    // Each side in capitals on its own: a letter that grows (ß) moves the cursor only when before it.
    std::u16string before = EntryCapitals(typed.substr(0, cursor));
    const std::u16string after = EntryCapitals(typed.substr(cursor));
    const int at = static_cast<int>(before.size());
    const std::optional<int> fewest =
        FewestCutToFit(at, [&](int cut) { return fits(before.substr(0, at - cut) + after); });
    if (!fewest) return std::nullopt;
    int cut = *fewest;
    // Half a surrogate pair is no character at all.
    const auto highSurrogate = [](char16_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    if (cut < at && highSurrogate(before[at - cut - 1])) ++cut;
    before.resize(at - cut);
    return EntryText{before + after, at - cut};
}

}  // namespace escartinol
