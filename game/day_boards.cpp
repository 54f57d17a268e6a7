// The boards were chosen once, from each language's Hunspell headwords whose letters make enough
// words to play (escartinol-lists days); a date picks one by its day number.
#include "game/day_boards.h"

#include <charconv>

namespace escartinol {

namespace {

constexpr std::string_view kFrenchBoards[] = {
#include "game/day_boards_fr.inc"
};
constexpr std::string_view kOccitanBoards[] = {
#include "game/day_boards_oc.inc"
};

bool IsLeap(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

}  // namespace

// H. Hinnant's days_from_civil.
long DaysFromCivil(int year, unsigned month, unsigned day) {
    year -= month <= 2;
    const long era = (year >= 0 ? year : year - 399) / 400;
    const unsigned yearOfEra = static_cast<unsigned>(year - era * 400);
    const unsigned dayOfYear = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    const unsigned dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + static_cast<long>(dayOfEra) - 719468;
}

std::span<const std::string_view> DayBoards(std::string_view lang) {
    if (lang == "fr") return kFrenchBoards;
    if (lang == "oc") return kOccitanBoards;
    return {};
}

std::string DayBoard(std::string_view lang, int year, unsigned month, unsigned day) {
    const std::span<const std::string_view> boards = DayBoards(lang);
    if (boards.empty()) return {};
    const long count = static_cast<long>(boards.size());
    return std::string(boards[((DaysFromCivil(year, month, day) % count) + count) % count]);
}

bool ReadDate(std::string_view text, int& year, unsigned& month, unsigned& day) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    const auto number = [&](std::size_t at, std::size_t length, auto& value) {
        const char* end = text.data() + at + length;
        const auto [ptr, error] = std::from_chars(text.data() + at, end, value);
        return error == std::errc() && ptr == end;
    };
    if (!number(0, 4, year) || !number(5, 2, month) || !number(8, 2, day)) return false;
    constexpr unsigned kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 && day >= 1 && day <= kDays[month - 1] + (month == 2 && IsLeap(year));
}

}  // namespace escartinol
