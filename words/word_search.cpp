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

SearchResult CWordSearch::SearchWords(const std::array<char, 9>& letters) {
    SearchResult result;
    result.letters = letters;
    if (!std::all_of(letters.begin(), letters.end(), IsKeyLetter)) return result;
    std::sort(result.letters.begin(), result.letters.end());
    m_sorted = result.letters;

    SearchNine(result);
    SearchEight(result);
    SearchShorter(7, result);
    // Once row 3 is taken no shorter length can be shown, so those lists are not consulted.
    for (int n = 6; n >= kMinWordLength && result.rows[2].words.empty(); --n) SearchShorter(n, result);
    return result;
}

void CWordSearch::SearchNine(SearchResult& result) {
    m_lists.RefreshList(9);
    std::memcpy(m_key, m_sorted.data(), kLetterCount);
    m_key[kLetterCount] = '\0';
    const std::int32_t i = m_lists.FindListKey(9, m_key);
    // A line that can no longer be read counts as no hit at all.
    if (i < 0 || !m_lists.FetchListLine(9, i, m_line)) return;
    ResultRow row{1, {}, std::string(WordTextHeader(9))};
    const std::string_view line(m_line);
    SplitLine(9, line.size() > 10 ? line.substr(10) : std::string_view{}, row);
    PlaceRow(9, std::move(row), result);
}

void CWordSearch::SearchEight(SearchResult& result) {
    m_lists.RefreshList(8);
    ResultRow row;
    for (int k = 0; k < kLetterCount; ++k) {
        if (k > 0 && m_sorted[k] == m_sorted[k - 1]) continue;
        int p = 0;
        for (int j = 0; j < kLetterCount; ++j)
            if (j != k) m_key[p++] = m_sorted[j];
        m_key[p] = '\0';
        LookUp(8, row);
    }
    PlaceRow(8, std::move(row), result);
}

void CWordSearch::SearchShorter(int n, SearchResult& result) {
    m_lists.RefreshList(n);
    ResultRow row;
    std::memset(m_key, kUnsetPosition, static_cast<std::size_t>(n));
    m_key[n] = '\0';
    ChoosePositions(n, 0, 0, row);
    PlaceRow(n, std::move(row), result);
}

// A position keeps the letter it took last, so a repeated letter in its range is skipped and
// each multiset of n letters is formed once, in ascending key order.
void CWordSearch::ChoosePositions(int n, int position, int from, ResultRow& row) {
    const int last = position + kLetterCount - n;
    for (int i = from; i <= last; ++i) {
        for (int q = position + 1; q < n; ++q) m_key[q] = kUnsetPosition;
        if (m_key[position] == m_sorted[i]) continue;
        m_key[position] = m_sorted[i];
        if (position + 1 < n)
            ChoosePositions(n, position + 1, i + 1, row);
        else
            LookUp(n, row);
    }
}

void CWordSearch::LookUp(int n, ResultRow& row) {
    const std::int32_t i = m_lists.FindListKey(n, m_key);
    if (i < 0 || !m_lists.FetchListLine(n, i, m_line)) return;
    ++row.count;
    if (row.words.empty()) row.words = WordTextHeader(n);
    const std::string_view line(m_line);
    const auto keyAndSlash = static_cast<std::size_t>(n + 1);
    SplitLine(n, line.size() > keyAndSlash ? line.substr(keyAndSlash) : std::string_view{}, row);
    row.words += kWordSeparator;
}

// Every word but the last is cut to n characters, so a list line counts 1 plus its slashes.
void CWordSearch::SplitLine(int n, std::string_view rest, ResultRow& row) {
    for (auto slash = rest.find('/'); slash != std::string_view::npos; slash = rest.find('/')) {
        ++row.count;
        row.words += rest.substr(0, static_cast<std::size_t>(n));
        row.words += kWordSeparator;
        rest.remove_prefix(slash + 1);
    }
    row.words += rest;
}

bool CWordSearch::IsWord(std::string_view letters) {
    const auto n = static_cast<int>(letters.size());
    if (n < kMinWordLength || n > kMaxWordLength || !std::all_of(letters.begin(), letters.end(), IsKeyLetter))
        return false;
    std::memcpy(m_key, letters.data(), letters.size());
    std::sort(m_key, m_key + n);
    m_key[n] = '\0';
    const std::int32_t i = m_lists.FindListKey(n, m_key);
    if (i < 0 || !m_lists.FetchListLine(n, i, m_line)) return false;
    const auto spells = [&](std::string_view word) {
        return word.size() >= letters.size() &&
               std::equal(letters.begin(), letters.end(), word.begin(),
                          [](char c, char w) { return KeyLetterOf(static_cast<unsigned char>(w)) == c; });
    };
    // The words follow the key and its '/', one '/' between each; as the rows show them, only the
    // first n characters of each count.
    std::string_view rest = std::string_view(m_line).substr(std::min(m_line.size(), letters.size() + 1));
    for (auto slash = rest.find('/'); slash != std::string_view::npos; slash = rest.find('/')) {
        if (spells(rest.substr(0, slash))) return true;
        rest.remove_prefix(slash + 1);
    }
    return spells(rest);
}

// A length with words takes the first free row; with all three taken it is not shown.
void CWordSearch::PlaceRow(int n, ResultRow&& row, SearchResult& result) {
    if (row.count == 0) return;
    for (ResultRow& place : result.rows) {
        if (place.words.empty()) {
            row.label = std::to_string(row.count);
            row.label += CountLabelSuffix(n);
            place = std::move(row);
            return;
        }
    }
}

}  // namespace escartinol
