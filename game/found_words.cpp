// The rows' word texts are split back into words once per draw; a find compares the letters with
// each word of that length, accents aside.
#include "game/found_words.h"

#include <algorithm>

#include "words/list_format.h"
#include "words/search_texts.h"

namespace escartinol {

namespace {

// The word's letters as the tiles spell them: capitals A..Z, accents aside.
std::string TileLetters(std::string_view word) {
    std::string letters;
    for (const char c : word) letters += KeyLetterOf(static_cast<unsigned char>(c));
    return letters;
}

// cp1252's capitals: a..z and the accented small letters, whose capitals stand 0x20 below them.
std::string Capitals(std::string word) {
    for (char& c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte >= 'a' && byte <= 'z') || (byte >= 0xE0 && byte <= 0xFE && byte != 0xF7))
            c = static_cast<char>(byte - 0x20);
    }
    return word;
}

}  // namespace

void CFoundWords::Reset(const std::array<ResultRow, kRowCount>& rows) {
    m_hints = 0;
    for (int r = 0; r < kRowCount; ++r) {
        Row& row = m_rows[r];
        row = {};
        row.text = rows[r].words;
        row.label = rows[r].label;
        for (int n = kMinWordLength; n <= kMaxWordLength && row.length == 0; ++n)
            if (!row.text.empty() && row.text.starts_with(WordTextHeader(n))) row.length = n;
        if (row.length == 0) continue;
        // The words stand between separators, the last one with or without one after it.
        for (std::size_t start = WordTextHeader(row.length).size(); start < row.text.size();) {
            const std::size_t end = std::min(row.text.find(kWordSeparator, start), row.text.size());
            if (end > start) {
                row.words.push_back(row.text.substr(start, end - start));
                row.at.push_back(start);
            }
            start = end + kWordSeparator.size();
        }
        row.found.assign(row.words.size(), false);
    }
}

int CFoundWords::Find(std::string_view letters) {
    int foundIn = -1;
    for (int r = 0; r < kRowCount; ++r) {
        Row& row = m_rows[r];
        if (row.length != static_cast<int>(letters.size())) continue;
        for (std::size_t i = 0; i < row.words.size(); ++i)
            if (!row.found[i] && TileLetters(row.words[i]) == letters) {
                row.found[i] = true;
                foundIn = r;
            }
    }
    return foundIn;
}

std::string CFoundWords::RowText(int row) const {
    const Row& r = m_rows[row];
    std::string text = r.label;
    for (std::size_t i = 0; i < r.words.size(); ++i)
        if (r.found[i]) (text += kWordSeparator) += r.words[i];
    return text;
}

std::string CFoundWords::SolutionText(int row) const {
    const Row& r = m_rows[row];
    std::string text = r.text;
    for (std::size_t i = 0; i < r.words.size(); ++i)
        if (r.found[i]) text.replace(r.at[i], r.words[i].size(), Capitals(r.words[i]));
    return text;
}

std::string CFoundWords::ProgressText() const {
    std::size_t found = 0;
    std::size_t total = 0;
    for (const Row& row : m_rows) {
        total += row.words.size();
        for (const bool f : row.found) found += f;
    }
    if (total == 0) return {};
    std::string text = std::string(kFoundLabel) + std::to_string(found) + std::string(kFoundOf) + std::to_string(total);
    if (m_hints > 0) text += std::string(kHintsLabel) + std::to_string(m_hints);
    return text;
}

std::vector<CFoundWords::Tally> CFoundWords::Tallies() const {
    std::vector<Tally> tallies;
    for (const Row& row : m_rows)
        if (!row.words.empty())
            tallies.push_back({row.length, static_cast<int>(std::count(row.found.begin(), row.found.end(), true)),
                               static_cast<int>(row.words.size())});
    return tallies;
}

std::string CFoundWords::HintWord() const {
    const Row& longest = m_rows[0];
    for (std::size_t i = 0; i < longest.words.size(); ++i)
        if (!longest.found[i]) return TileLetters(longest.words[i]);
    return {};
}

}  // namespace escartinol
