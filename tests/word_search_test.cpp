// The search: which keys it looks up, and what each row's label and word text receive.
#include "words/word_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <string>

#include "support/list_folder.h"
#include "words/search_texts.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using Rows = std::array<std::string, 3>;

const std::string kSeven = "  S\xE8t LETRAS";
const std::string kSix = "  Si\xE8is LETRAS";

// The lists of a folder and the search over them, as a game holds them.
struct Searcher {
    explicit Searcher(const CListFolder& folder) : lists(folder.Dir()), search(lists) { lists.LoadWordLists(); }
    SearchResult Search(const std::string& nine) {
        std::array<char, 9> letters{};
        std::copy_n(nine.begin(), letters.size(), letters.begin());
        lists.ResetCounts();
        return search.SearchWords(letters);
    }
    CWordLists lists;
    CWordSearch search;
};

Rows Labels(const SearchResult& result) { return {result.rows[0].label, result.rows[1].label, result.rows[2].label}; }
Rows Words(const SearchResult& result) { return {result.rows[0].words, result.rows[1].words, result.rows[2].words}; }

// How many different keys of n letters the nine make: what the search must look up, each once.
long DistinctKeys(const std::string& nine, int n) {
    std::set<std::string> keys;
    for (unsigned chosen = 0; chosen < 1u << nine.size(); ++chosen) {
        if (std::popcount(chosen) != n) continue;
        std::string key;
        for (std::size_t i = 0; i < nine.size(); ++i)
            if (chosen & 1u << i) key += nine[i];
        std::sort(key.begin(), key.end());
        keys.insert(key);
    }
    return static_cast<long>(keys.size());
}

// Rows take the longest lengths with words, from the top; with row 3 still free every shorter list is
// consulted, each key once, and none once the three rows are taken. Nine letters end with their last
// word; the key without A comes before the key without T.
TEST(WordSearch, TheLongestLengthsWithWordsTakeTheRows) {
    const Rows seven = {"3" + kSeven, "7 LETRAS:  ralenti  reliant  lorains  "};
    for (const bool longer : {false, true}) {
        CListFolder folder;
        folder.WriteLines(7, {"AEILNRT/ralenti/reliant", "AILNORS/lorains"});
        folder.WriteLines(6, {"AEINST/tisane/satine"});
        if (longer) folder.WriteLines(9, {"AEILNORST/relations"});
        if (longer) folder.WriteLines(8, {"AEILNORS/ailerons", "EILNORST/liserons"});
        Searcher searcher(folder);
        const SearchResult result = searcher.Search("TOLERIANS");
        EXPECT_EQ(std::string(result.letters.begin(), result.letters.end()), "AEILNORST");
        EXPECT_EQ(Labels(result),
                  (longer ? Rows{"1  N\xF2u LETRAS", "2  Vu\350ch LETRAS", seven[0]} : Rows{seven[0], "2" + kSix, ""}));
        EXPECT_EQ(Words(result), (longer ? Rows{"9 LETRAS:  relations", "8 LETRAS:  liserons  ailerons  ", seven[1]}
                                         : Rows{seven[1], "6 LETRAS:  tisane  satine  ", ""}));
        for (int n = kMinWordLength; n <= kMaxWordLength; ++n)
            EXPECT_EQ(searcher.lists.LookupCount(n), longer && n <= 6 ? 0 : DistinctKeys("TOLERIANS", n)) << n;
    }
}

TEST(WordSearch, RepeatedLettersMakeEachKeyOnce) {
    CListFolder folder;
    folder.WriteLines(8, {"AABCDEFG/aabcdefg", "ABCDEFGH/abcdefgh"});
    folder.WriteLines(5, {"AABCD/aabcd"});
    Searcher searcher(folder);
    searcher.Search("EEEEEEEEE");
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) EXPECT_EQ(searcher.lists.LookupCount(n), 1) << n;

    // Keys come largest first, so the key without an A leads.
    const SearchResult result = searcher.Search("HGFEDCBAA");
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n)
        EXPECT_EQ(searcher.lists.LookupCount(n), DistinctKeys("HGFEDCBAA", n)) << n;
    EXPECT_EQ(Words(result), (Rows{"8 LETRAS:  abcdefgh  aabcdefg  ", "5 LETRAS:  aabcd  ", ""}));
}

// The player may add words while the game runs: each length looks at its list before searching it.
TEST(WordSearch, AKeyAddedToAnyListSinceTheLoadIsFound) {
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        CListFolder folder;
        Searcher searcher(folder);
        const std::string key = std::string("ABCDEFGHI").substr(0, static_cast<std::size_t>(n));
        folder.WriteLines(n, {key + "/" + std::string(static_cast<std::size_t>(n), 'w')});
        EXPECT_EQ(searcher.Search("ABCDEFGHI").rows[0].label, "1" + std::string(CountLabelSuffix(n))) << n;
    }
}

TEST(WordSearch, WordsAreCutToTheirLengthButTheLastKeepsTheRestOfTheLine) {
    CListFolder folder;
    folder.WriteLines(4, {"ABCD/abcdef/bcda", "ABCE/", "ABDE/abde/", "ACDEZ/acdez"});
    Searcher searcher(folder);
    const SearchResult result = searcher.Search("ABCDEZZZZ");
    // "abcdef" is cut to four letters; a line with nothing after the slash yields one empty word; a
    // line whose first four letters make a key but no slash follows is no line of that key.
    EXPECT_EQ(result.rows[0].label, "5  Quatre LETRAS");
    EXPECT_EQ(result.rows[0].words, "4 LETRAS:  abcd  bcda    abde    ");
}

}  // namespace
}  // namespace escartinol
