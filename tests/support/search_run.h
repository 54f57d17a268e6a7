// The search alone over a folder's lists, run as a draw runs it: word texts emptied first.
#pragma once

#include <algorithm>
#include <array>
#include <numeric>
#include <string>

#include "words/word_search.h"

namespace escartinol::testing {

struct SearchRun : IResultRows {
    explicit SearchRun(const std::string& dir, ListHolding holding = ListHolding::kIndexed)
        : lists(dir, holding), search(lists, *this) {
        lists.LoadWordLists();
    }

    void SetRowText(int row, const std::string& text) override {
        rowText[row] = text;
        ++writes;
    }
    // Up to nine letters; fewer leave zero bytes behind them.
    void Search(const std::string& nine) {
        letters = {};
        std::copy_n(nine.begin(), std::min<std::size_t>(nine.size(), 9), letters.begin());
        rowWords = {};
        lists.m_lookupCount = {};
        search.SearchWords(letters, rowWords);
    }
    std::string Letters() const { return std::string(letters.begin(), letters.end()); }
    long Lookups(int n) const { return lists.m_lookupCount[n - kMinWordLength]; }
    long TotalLookups() const { return std::accumulate(lists.m_lookupCount.begin(), lists.m_lookupCount.end(), 0L); }

    CWordLists lists;
    CWordSearch search;
    std::array<char, 9> letters{};
    std::array<std::string, 3> rowWords;
    std::array<std::string, 3> rowText;
    int writes = 0;
};

}  // namespace escartinol::testing
