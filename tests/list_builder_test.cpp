// Building lists from a plain word file: which words are taken, how they are keyed and ordered.
#include "lists/list_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "words/list_format.h"

namespace escartinol {
namespace {

TEST(ListFormat, KeysFoldAccents) {
    // clang-format off
    // Every accented letter a list may hold, each under its own letter: a letter left out of the
    // fold would drop its words from the lists.
    EXPECT_EQ(KeyOfWord("\xE0\xE1\xE2\xE3\xE4\xE5\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF1\xF2\xF3\xF4\xF5\xF6\xF8"
                        "\xF9\xFA\xFB\xFC\xFD\xFF\x9A\x9E"),
              "AAAAAACEEEEIIIINOOOOOOSUUUUYYZ");
    EXPECT_EQ(SpellOutLigatures("\x9C" "uf"), "oeuf");        // œuf
    EXPECT_EQ(SpellOutLigatures("\xE6gyrine"), "aegyrine");  // ægyrine
    // clang-format on
    EXPECT_EQ(KeyOfWord("Paris"), "");
    EXPECT_EQ(KeyOfWord("aujourd'hui"), "");
    EXPECT_EQ(KeyOfWord("porte-clé"), "");
}

TEST(ListBuilder, GroupsAnagramsInSourceOrder) {
    CListBuilder builder;
    // clang-format off
    for (const char* word : {"chien", "niche", "chine", "niche", "Chine", "abc", "abcdefghij", "a2bc", "\x9C" "uvre",
                             "v\x9C" "u"})
        builder.Add(word);
    // clang-format on
    EXPECT_EQ(builder.Lines(5), (std::vector<std::string>{"CEHIN/chien/niche/chine"}));
    EXPECT_EQ(builder.Lines(4), (std::vector<std::string>{"EOUV/voeu"}));
    EXPECT_EQ(builder.Lines(6), (std::vector<std::string>{"EEORUV/oeuvre"}));
    EXPECT_EQ(builder.WordCount(), 5u);
}

// A line holds at most 253 characters: 30 words of 7 letters (247) or 49 of 4 (249), the next
// word would make 255 or 254. Nine-letter keys, with 249 then 259, could not tell.
TEST(ListBuilder, CutsLinesAtTheLastWordWithin253Characters) {
    CListBuilder builder;
    std::string seven = "abcdefg";
    for (int i = 0; i < 31; ++i, std::next_permutation(seven.begin(), seven.end())) builder.Add(seven);
    std::string four = "abcd";
    for (const char* a : {"a", "\xE0", "\xE2"}) {  // a, à, â: one key
        do {
            std::string word = four;
            word.replace(word.find('a'), 1, a);
            builder.Add(word);
        } while (std::next_permutation(four.begin(), four.end()));
    }
    ASSERT_EQ(builder.Lines(7).size(), 1u);
    EXPECT_EQ(builder.Lines(7)[0].size(), 247u);
    ASSERT_EQ(builder.Lines(4).size(), 1u);
    EXPECT_EQ(builder.Lines(4)[0].size(), 249u);
    const std::vector<LineCut> cuts = builder.CutLines();
    ASSERT_EQ(cuts.size(), 2u);
    EXPECT_EQ(cuts[0].wordsLeftOut, 72u - 49u);
    EXPECT_EQ(cuts[1].wordsLeftOut, 1u);
}

}  // namespace
}  // namespace escartinol
