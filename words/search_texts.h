// Every text the result rows show, as cp1252 bytes like the lists themselves: what the search
// writes, the game's two notices and its line of progress.
#pragma once

#include <string>
#include <string_view>

namespace escartinol {

// Header of the word text of length n, e.g. "7 LETRAS:  ".
std::string_view WordTextHeader(int n);
// Suffix of the count label of length n, e.g. "  Sèt LETRAS".
std::string_view CountLabelSuffix(int n);

inline constexpr std::string_view kWordSeparator = "  ";

// The line of progress: "Mòts trobats: 3 sus 17", then "  Indicis: 1" once a hint is used.
inline constexpr std::string_view kFoundLabel = "M\xF2ts trobats: ";
inline constexpr std::string_view kFoundOf = " sus ";
inline constexpr std::string_view kHintsLabel = "  Indicis: ";

// The share text: its title, the board ("Jorn 2026-12-09" or "Letras TOLERIANS"), each row's found
// against its words ("9 letras: 1 sus 2"), the hints, and the player's days.
inline constexpr std::string_view kShareTitle = "ESCARTINOL";
inline constexpr std::string_view kShareDay = "Jorn ";
inline constexpr std::string_view kShareLetters = "Letras ";
inline constexpr std::string_view kShareLength = " letras: ";
inline constexpr std::string_view kShareDays = "Jorns jogats: ";
inline constexpr std::string_view kShareCompleted = ", acabats: ";
inline constexpr std::string_view kShareRun = ", de seguida: ";

// Row 1 from the start until the lists are read: 57 blanks, then the notice.
extern const std::string kLoadingNotice;
// Row 1 when none of the six lists could be read, followed by the folder they were looked for in.
extern const std::string kNoListsNotice;

}  // namespace escartinol
