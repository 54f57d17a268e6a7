// Builds the six word lists from a plain list of words, one word a line.
#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include "words/list_format.h"

namespace escartinol {

struct LineCut {
    std::string key;
    std::size_t wordsLeftOut = 0;
};

class CListBuilder {
public:
    // Files a cp1252 word under its key; words that no list can hold are skipped.
    // Returns true when the word was taken.
    bool Add(const std::string& word);

    // The lines of list n, sorted by key, each without its line end. A key with more words than
    // its line can hold keeps those that fit, in the order they came.
    std::vector<std::string> Lines(int n) const;

    // The keys whose words would not all fit on one line, with how many words each leaves out.
    std::vector<LineCut> CutLines() const;

    // Words taken, including any that CutLines leaves out.
    std::size_t WordCount() const { return m_wordCount; }

private:
    // Per key, its words in the order they came; the map keeps keys in byte order.
    std::array<std::map<std::string, std::vector<std::string>>, kListCount> m_lines;
    std::size_t m_wordCount = 0;
};

}  // namespace escartinol
