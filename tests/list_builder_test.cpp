// Building lists from a plain word file: which words are taken, how they are keyed and ordered.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "words/list_builder.h"

namespace escartinol {
namespace {

TEST(ListBuilder, KeysFoldAccentsAndLigaturesAndSort) {
    EXPECT_EQ(KeyOfWord("\xE9t\xE9"), "EET");                // été
    EXPECT_EQ(KeyOfWord("gar\xE7on"), "ACGNOR");             // garçon
    EXPECT_EQ(SpellOutLigatures("\x9C" "uf"), "oeuf");        // œuf
    EXPECT_EQ(SpellOutLigatures("\xE6gyrine"), "aegyrine");  // ægyrine
    EXPECT_EQ(KeyOfWord("Paris"), "");
    EXPECT_EQ(KeyOfWord("aujourd'hui"), "");
    EXPECT_EQ(KeyOfWord("porte-clé"), "");
}

TEST(ListBuilder, SkipsWhatNoListCanHoldAndGroupsAnagramsInSourceOrder) {
    CListBuilder builder;
    for (const char* word : {"chien", "niche", "chine", "niche", "Chine", "abc", "abcdefghij", "a2bc", "\x9C" "uvre",
                             "v\x9C" "u"})
        builder.Add(word);
    EXPECT_EQ(builder.Lines(5), (std::vector<std::string>{"CEHIN/chien/niche/chine"}));
    EXPECT_EQ(builder.Lines(4), (std::vector<std::string>{"EOUV/voeu"}));
    EXPECT_EQ(builder.Lines(6), (std::vector<std::string>{"EEORUV/oeuvre"}));
    EXPECT_EQ(builder.WordCount(), 5u);
}

TEST(ListBuilder, LinesSortByKeyAndOverlongLinesAreFound) {
    CListBuilder builder;
    builder.Add("zzzz");
    builder.Add("abcd");
    EXPECT_EQ(builder.Lines(4), (std::vector<std::string>{"ABCD/abcd", "ZZZZ/zzzz"}));
    EXPECT_FALSE(builder.OverlongLine());
    // Fifty anagrams of nine letters cannot share one 253-character line.
    std::string word = "abcdefghi";
    for (int i = 0; i < 50; ++i) {
        builder.Add(word);
        std::next_permutation(word.begin(), word.end());
    }
    ASSERT_TRUE(builder.OverlongLine());
    EXPECT_EQ(builder.OverlongLine()->substr(0, 10), "ABCDEFGHI/");
}

}  // namespace
}  // namespace escartinol
