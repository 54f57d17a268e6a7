// The search alone over a folder's lists, run as a draw runs it: word texts emptied first.
#pragma once

#include <algorithm>
#include <array>
#include <string>

#include "words/word_search.h"

namespace escartinol::testing {

struct SearchRun {
    explicit SearchRun(const std::string& dir, ListHolding holding = ListHolding::kIndexed)
        : lists(dir, holding), search(lists) {
        lists.LoadWordLists();
    }

    // Up to nine letters; fewer leave zero bytes behind them. A row's text, as the window would
    // show it, is written only when the search fills the row.
    void Search(const std::string& nine) {
        std::array<char, 9> given{};
        std::copy_n(nine.begin(), std::min<std::size_t>(nine.size(), 9), given.begin());
        lists.ResetCounts();
        const SearchResult result = search.SearchWords(given);
        letters = result.letters;
        for (int row = 0; row < 3; ++row) {
            rowWords[row] = result.rows[row].words;
            if (rowWords[row].empty()) continue;
            rowText[row] = result.rows[row].label;
            ++writes;
        }
    }
    std::string Letters() const { return std::string(letters.begin(), letters.end()); }
    long Lookups(int n) const { return lists.LookupCount(n); }
    long TotalLookups() const {
        long total = 0;
        for (int n = kMinWordLength; n <= kMaxWordLength; ++n) total += lists.LookupCount(n);
        return total;
    }

    CWordLists lists;
    CWordSearch search;
    std::array<char, 9> letters{};
    std::array<std::string, 3> rowWords;
    std::array<std::string, 3> rowText;
    int writes = 0;
};

}  // namespace escartinol::testing
