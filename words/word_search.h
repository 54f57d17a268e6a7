// The search for every word of 9 down to 4 letters that nine letters make, and where it shows them.
#pragma once

#include <array>
#include <string>

#include "words/word_lists.h"

namespace escartinol {

// The three result rows as the search sees them: it only ever writes a row's text.
class IResultRows {
public:
    virtual ~IResultRows() = default;
    virtual void SetRowText(int row, const std::string& text) = 0;  // row 0..2
};

class CWordSearch {
public:
    CWordSearch(CWordLists& lists, IResultRows& rows) : m_lists(lists), m_rows(rows) {}

    // Sorts letters in place and fills the rows and rowWords of the longest lengths that have
    // words. The callers empty rowWords first. Letters outside A..Z are left alone and searched
    // for nothing, since a blank or zero byte would alias the key buffer's own marks.
    void SearchWords(std::array<char, 9>& letters, std::array<std::string, 3>& rowWords);

    const std::string& Build() const { return m_build; }
    const std::string& Work() const { return m_work; }

private:
    void SearchNine(std::array<std::string, 3>& rowWords);
    void SearchEight(std::array<std::string, 3>& rowWords);
    void SearchShorter(int n, std::array<std::string, 3>& rowWords);
    void ChoosePositions(int n, int position, int from);
    void LookUp(int n);
    void SplitLine(int n, std::string_view rest, std::string& target);
    void MakeCountLabel(int n);
    void PlaceRowResult(std::array<std::string, 3>& rowWords);

    CWordLists& m_lists;
    IResultRows& m_rows;
    std::string m_build;
    std::string m_work;
    std::string m_line;
    std::array<char, 9> m_sorted{};
    char m_key[kMaxWordLength + 1] = {};
    int m_wordCount = 0;
    bool m_firstHit = false;
};

}  // namespace escartinol
