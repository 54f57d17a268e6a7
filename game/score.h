// What the player's machine keeps of the boards of the day: days played, boards completed and the
// current run of days, as a small text that a damaged or missing copy of starts afresh.
#pragma once

#include <string>
#include <string_view>

namespace escartinol {

struct Score {
    long daysPlayed = 0;
    long boardsCompleted = 0;
    long run = 0;          // days in a row, up to the last one played
    long lastPlayed = -1;  // day number (days since 1970-01-01) of the last board of the day played
    long lastCompleted = -1;

    // The board of day `day` was opened: a day counts once, and the run goes on from the day before.
    void Played(long day);
    // Every word of the board of day `day` was found: once a day.
    void Completed(long day);
    bool operator==(const Score&) const = default;
};

// The score as the player's file or the browser's storage keeps it.
std::string ScoreText(const Score& score);
// Anything that is not such a text, whole, is a fresh start.
Score ReadScore(std::string_view text);

}  // namespace escartinol
