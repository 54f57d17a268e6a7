// The words a player finds in one draw: the rows' words, which of them the upper row has spelt, and
// the texts that show them.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "game/game_view.h"
#include "words/word_search.h"

namespace escartinol {

class CFoundWords {
public:
    // A new draw's rows: nothing found, no hint used.
    void Reset(const std::array<ResultRow, kRowCount>& rows);
    // The upper row spells letters (capitals A..Z, accents aside): each word of a row that they
    // spell is found, once. Returns the row it belongs to, or -1 when nothing new was found.
    int Find(std::string_view letters);
    void CountHint() { ++m_hints; }

    // The row's count label, then the words of its length found so far; the label alone when none is.
    std::string RowText(int row) const;
    // The row's words as the search wrote them, e.g. "7 LETRAS:  ralenti  reliant  "; empty for none.
    const std::string& Words(int row) const { return m_rows[row].text; }
    // What Solucions shows: the row's words, the found ones in capitals.
    std::string SolutionText(int row) const;
    // Found against the total of the three rows, and the hints used; empty before any row has words.
    std::string ProgressText() const;
    // The letters (capitals A..Z) of the first word of the longest length not found yet; empty when all are.
    std::string HintWord() const;
    int Hints() const { return m_hints; }
    // Each row with words, top to bottom: its length, the words found and its words.
    struct Tally {
        int length = 0;
        int found = 0;
        int total = 0;
    };
    std::vector<Tally> Tallies() const;

private:
    struct Row {
        int length = 0;
        std::string label;
        std::string text;                // the words as Solucions shows them, cp1252 like the lists
        std::vector<std::string> words;  // each word of the text, and where it stands in it
        std::vector<std::size_t> at;
        std::vector<bool> found;
    };
    std::array<Row, kRowCount> m_rows;
    int m_hints = 0;
};

}  // namespace escartinol
