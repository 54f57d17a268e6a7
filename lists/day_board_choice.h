// The boards of the day of a language, chosen once for a release from its dictionary's headwords.
#pragma once

#include <string>
#include <vector>

namespace escartinol {

// Boards whose letters make a nine-letter headword of the Hunspell dictionary (a stem of its .dic,
// not an inflected form) that the lists of listsDir hold, and between kMinDayWords and kMaxDayWords
// words in the three rows: each a headword's letters in an order fixed by them, the boards in an
// order fixed by their letters. dictionary: a path without extension or a name in /usr/share/hunspell.
// Nothing, and error set, when the dictionary cannot be read.
std::vector<std::string> ChooseDayBoards(const std::string& listsDir, const std::string& dictionary,
                                         std::string& error);

inline constexpr int kMinDayWords = 10;
inline constexpr int kMaxDayWords = 60;

}  // namespace escartinol
