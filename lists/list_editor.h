// Adds and removes single words in the raw bytes of a sound list, leaving every other byte as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace escartinol {

enum class WordEdit {
    kDone,
    kAlreadyThere,  // add: the word is on its key's line already
    kNotThere,      // remove: the word is on no line
    kLineFull,      // add: the key's line would grow past 253 characters
};

// Why a cp1252 word (œ and æ already spelt out) cannot go into a list, or empty when it can.
std::string ListWordProblem(const std::string& word);

// A word as a player typed it, in UTF-8, as a list writes it: accents typed apart from their letter
// put on it, in cp1252, œ and æ spelt out. Nothing, and problem said, when no list can hold it.
std::optional<std::string> ListWordOf(std::string_view typed, std::string& problem);

// Both take the bytes of the list of the word's length, which the checker found sound, and a
// word that ListWordProblem accepts. A word goes after the words already on its key's line, or
// on a new line at the key's sorted place; a line left without words goes, with its line end.
WordEdit AddWordToList(std::string& bytes, const std::string& word);
WordEdit RemoveWordFromList(std::string& bytes, const std::string& word);

}  // namespace escartinol
