// The board of the day: the same nine letters for every player of a language on a calendar date,
// from a list of boards fixed in the release, whatever words the player has added.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace escartinol {

// Days since 1970-01-01 in the proleptic Gregorian calendar.
long DaysFromCivil(int year, unsigned month, unsigned day);

// The boards of lang ("fr" or "oc"), in the order the days take them; none for another language.
std::span<const std::string_view> DayBoards(std::string_view lang);

// The board of lang for the date, nine capitals A..Z; empty for another language.
std::string DayBoard(std::string_view lang, int year, unsigned month, unsigned day);

// The date written YYYY-MM-DD, a real calendar date; false for anything else.
bool ReadDate(std::string_view text, int& year, unsigned& month, unsigned& day);

}  // namespace escartinol
