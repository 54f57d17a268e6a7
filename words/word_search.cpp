// Every distinct choice of n of the nine letters is looked up once, longest lengths first.
// Each length starts by checking that its list is the one indexed, so that a list edited while the
// game runs is searched as it now is, keys added since included.
#include "words/word_search.h"

#include <algorithm>
#include <cstring>

#include "words/search_texts.h"

namespace escartinol {

namespace {

constexpr char kUnsetPosition = ' ';
constexpr int kLetterCount = 9;

}  // namespace

void CWordSearch::SearchWords(std::array<char, 9>& letters, std::array<std::string, 3>& rowWords) {
    if (!std::all_of(letters.begin(), letters.end(), [](char c) { return c >= 'A' && c <= 'Z'; })) return;
    std::sort(letters.begin(), letters.end(),
              [](char a, char b) { return static_cast<signed char>(a) < static_cast<signed char>(b); });
    m_sorted = letters;

    SearchNine(rowWords);
    SearchEight(rowWords);
    SearchShorter(7, rowWords);
    // Once row 3 is taken no shorter length can be shown, so those lists are not consulted.
    for (int n = 6; n >= kMinWordLength && rowWords[2].empty(); --n) SearchShorter(n, rowWords);
}

void CWordSearch::SearchNine(std::array<std::string, 3>& rowWords) {
    m_lists.RefreshList(9);
    std::memcpy(m_key, m_sorted.data(), kLetterCount);
    m_key[kLetterCount] = '\0';
    const std::int32_t i = m_lists.FindListKey(9, m_key);
    // A line that can no longer be read counts as no hit at all.
    if (i < 0 || !m_lists.FetchListLine(9, i, m_line)) return;
    m_wordCount = 1;
    rowWords[0] = WordTextHeader(9);
    const std::string_view line(m_line);
    SplitLine(9, line.size() > 10 ? line.substr(10) : std::string_view{}, rowWords[0]);
    MakeCountLabel(9);
    m_rows.SetRowText(0, m_work);
}

void CWordSearch::SearchEight(std::array<std::string, 3>& rowWords) {
    m_lists.RefreshList(8);
    m_wordCount = 0;
    m_firstHit = true;
    m_build.clear();
    for (int k = 0; k < kLetterCount; ++k) {
        if (k > 0 && m_sorted[k] == m_sorted[k - 1]) continue;
        int p = 0;
        for (int j = 0; j < kLetterCount; ++j)
            if (j != k) m_key[p++] = m_sorted[j];
        m_key[p] = '\0';
        LookUp(8);
    }
    if (m_wordCount == 0) return;
    MakeCountLabel(8);
    const int row = rowWords[0].empty() ? 0 : 1;
    m_rows.SetRowText(row, m_work);
    rowWords[row] = m_build;
}

void CWordSearch::SearchShorter(int n, std::array<std::string, 3>& rowWords) {
    m_lists.RefreshList(n);
    m_wordCount = 0;
    m_firstHit = true;
    m_build.clear();
    std::memset(m_key, kUnsetPosition, static_cast<std::size_t>(n));
    m_key[n] = '\0';
    ChoosePositions(n, 0, 0);
    if (m_wordCount == 0) return;
    MakeCountLabel(n);
    PlaceRowResult(rowWords);
}

// A position keeps the letter it took last, so a repeated letter in its range is skipped and
// each multiset of n letters is formed once, in ascending key order.
void CWordSearch::ChoosePositions(int n, int position, int from) {
    const int last = position + kLetterCount - n;
    for (int i = from; i <= last; ++i) {
        for (int q = position + 1; q < n; ++q) m_key[q] = kUnsetPosition;
        if (m_key[position] == m_sorted[i]) continue;
        m_key[position] = m_sorted[i];
        if (position + 1 < n)
            ChoosePositions(n, position + 1, i + 1);
        else
            LookUp(n);
    }
}

void CWordSearch::LookUp(int n) {
    const std::int32_t i = m_lists.FindListKey(n, m_key);
    if (i < 0 || !m_lists.FetchListLine(n, i, m_line)) return;
    ++m_wordCount;
    if (m_firstHit) {
        m_firstHit = false;
        m_build = WordTextHeader(n);
    }
    const std::string_view line(m_line);
    const auto keyAndSlash = static_cast<std::size_t>(n + 1);
    SplitLine(n, line.size() > keyAndSlash ? line.substr(keyAndSlash) : std::string_view{}, m_build);
    m_build += kWordSeparator;
}

// Every word but the last is cut to n characters, so a list line counts 1 plus its slashes.
void CWordSearch::SplitLine(int n, std::string_view rest, std::string& target) {
    for (auto slash = rest.find('/'); slash != std::string_view::npos; slash = rest.find('/')) {
        ++m_wordCount;
        target += rest.substr(0, static_cast<std::size_t>(n));
        target += kWordSeparator;
        rest.remove_prefix(slash + 1);
    }
    target += rest;
}

void CWordSearch::MakeCountLabel(int n) {
    m_work = std::to_string(m_wordCount);
    m_work += CountLabelSuffix(n);
}

void CWordSearch::PlaceRowResult(std::array<std::string, 3>& rowWords) {
    for (int row = 0; row < 3; ++row) {
        if (rowWords[row].empty()) {
            m_rows.SetRowText(row, m_work);
            rowWords[row] = m_build;
            return;
        }
    }
}

}  // namespace escartinol
