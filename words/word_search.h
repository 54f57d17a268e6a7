// The search for every word of 9 down to 4 letters that nine letters make, and the rows it fills.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "words/word_lists.h"

namespace escartinol {

// One length's words as a result row shows them, cp1252 bytes like the lists.
struct ResultRow {
    int count = 0;
    std::string label;  // the count and its length, e.g. "3  Sèt LETRAS"
    std::string words;  // e.g. "7 LETRAS:  ralenti  reliant  lorains  "
};

struct SearchResult {
    // The letters searched, in alphabetical order; as given when they were refused.
    std::array<char, 9> letters{};
    // The three longest lengths that have words, longest first from the top; the rows below them
    // stay empty (no words, no label).
    std::array<ResultRow, 3> rows;
};

class CWordSearch {
public:
    explicit CWordSearch(CWordLists& lists) : m_lists(lists) {}

    // Letters outside A..Z are refused and searched for nothing, since a blank or zero byte would
    // alias the key buffer's own marks.
    SearchResult SearchWords(const std::array<char, 9>& letters);

    // Whether letters (capitals A..Z, in that order) spell a word of the lists of 4 to 9 letters,
    // accents aside: one lookup of their key and one fetch of its line.
    bool IsWord(std::string_view letters);

private:
    void SearchNine(SearchResult& result);
    void SearchEight(SearchResult& result);
    void SearchShorter(int n, SearchResult& result);
    void ChoosePositions(int n, int position, int from, ResultRow& row);
    void LookUp(int n, ResultRow& row);
    static void SplitLine(int n, std::string_view rest, ResultRow& row);
    static void PlaceRow(int n, ResultRow&& row, SearchResult& result);

    CWordLists& m_lists;
    // The working state of one search: the letters sorted, the key being formed, the line fetched.
    std::array<char, 9> m_sorted{};
    char m_key[kMaxWordLength + 1] = {};
    std::string m_line;
};

}  // namespace escartinol
