// One "name value" line a field, after a first line that names the format.
#include "game/score.h"

#include <charconv>

namespace escartinol {

namespace {

constexpr std::string_view kHeader = "escartinol score 1\n";
constexpr std::string_view kNames[] = {"days", "completed", "run", "last", "last-completed"};

long* Fields(Score& score, std::size_t i) {
    long* const fields[] = {&score.daysPlayed, &score.boardsCompleted, &score.run, &score.lastPlayed,
                            &score.lastCompleted};
    return fields[i];
}

}  // namespace

void Score::Played(long day) {
    if (day == lastPlayed) return;
    run = day == lastPlayed + 1 ? run + 1 : 1;
    ++daysPlayed;
    lastPlayed = day;
}

void Score::Completed(long day) {
    if (day == lastCompleted) return;
    ++boardsCompleted;
    lastCompleted = day;
}

std::string ScoreText(const Score& score) {
    std::string text(kHeader);
    Score copy = score;
    for (std::size_t i = 0; i < std::size(kNames); ++i)
        ((text += kNames[i]) += ' ') += std::to_string(*Fields(copy, i)) + '\n';
    return text;
}

Score ReadScore(std::string_view text) {
    Score score;
    if (!text.starts_with(kHeader)) return {};
    text.remove_prefix(kHeader.size());
    for (std::size_t i = 0; i < std::size(kNames); ++i) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (end == std::string_view::npos || !line.starts_with(kNames[i]) || line.size() <= kNames[i].size() + 1 ||
            line[kNames[i].size()] != ' ')
            return {};
        const std::string_view number = line.substr(kNames[i].size() + 1);
        const auto [ptr, error] = std::from_chars(number.data(), number.data() + number.size(), *Fields(score, i));
        if (error != std::errc() || ptr != number.data() + number.size()) return {};
        text.remove_prefix(end + 1);
    }
    const bool sound = score.daysPlayed >= 0 && score.boardsCompleted >= 0 && score.run >= 0 &&
                       score.boardsCompleted <= score.daysPlayed && score.run <= score.daysPlayed;
    return sound && text.empty() ? score : Score{};
}

}  // namespace escartinol
