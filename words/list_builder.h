// Builds the six word lists from a plain list of words, one word a line.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "words/word_lists.h"

namespace escartinol {

// The list key of a cp1252 word: its letters without accents, in capitals, sorted. Empty when
// the word holds anything but lower-case letters. œ and æ must already be spelt out.
std::string KeyOfWord(const std::string& word);

// Spells out œ and æ as two letters, as the lists write them.
std::string SpellOutLigatures(const std::string& word);

class CListBuilder {
public:
    // Files a cp1252 word under its key; words that no list can hold are skipped.
    // Returns true when the word was taken.
    bool Add(const std::string& word);

    // The lines of list n, sorted by key, each without its line end.
    std::vector<std::string> Lines(int n) const;

    // The first line longer than the format allows, if any.
    std::optional<std::string> OverlongLine() const;

    std::size_t WordCount() const { return m_wordCount; }

private:
    // Per key, its words in the order they came; the map keeps keys in byte order.
    std::array<std::map<std::string, std::vector<std::string>>, kListCount> m_lines;
    std::size_t m_wordCount = 0;
};

}  // namespace escartinol
