// Building lists from a plain word file: which words are taken, how they are keyed and ordered.
#include "words/list_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "words/list_format.h"

namespace escartinol {
namespace {

TEST(ListFormat, KeysFoldAccentsAndLigaturesAndSort) {
    // clang-format off
    EXPECT_EQ(KeyOfWord("\xE9t\xE9"), "EET");                // été
    EXPECT_EQ(KeyOfWord("gar\xE7on"), "ACGNOR");             // garçon
    EXPECT_EQ(SpellOutLigatures("\x9C" "uf"), "oeuf");        // œuf
    EXPECT_EQ(SpellOutLigatures("\xE6gyrine"), "aegyrine");  // ægyrine
    // clang-format on
    EXPECT_EQ(KeyOfWord("Paris"), "");
    EXPECT_EQ(KeyOfWord("aujourd'hui"), "");
    EXPECT_EQ(KeyOfWord("porte-clé"), "");
}

TEST(ListBuilder, SkipsWhatNoListCanHoldAndGroupsAnagramsInSourceOrder) {
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

TEST(ListBuilder, LinesSortByKeyAndAnOverlongLineKeepsTheWordsThatFitInOrder) {
    CListBuilder builder;
    builder.Add("zzzz");
    builder.Add("abcd");
    EXPECT_EQ(builder.Lines(4), (std::vector<std::string>{"ABCD/abcd", "ZZZZ/zzzz"}));
    EXPECT_TRUE(builder.CutLines().empty());
    // Fifty anagrams of nine letters: 24 fill a line to 249 characters, the 25th would pass 253.
    std::vector<std::string> anagrams;
    std::string word = "abcdefghi";
    for (int i = 0; i < 50; ++i) {
        anagrams.push_back(word);
        builder.Add(word);
        std::next_permutation(word.begin(), word.end());
    }
    std::string expected = "ABCDEFGHI";
    for (int i = 0; i < 24; ++i) expected += "/" + anagrams[i];
    EXPECT_EQ(builder.Lines(9), (std::vector<std::string>{expected}));
    ASSERT_EQ(builder.CutLines().size(), 1u);
    EXPECT_EQ(builder.CutLines()[0].key, "ABCDEFGHI");
    EXPECT_EQ(builder.CutLines()[0].wordsLeftOut, 26u);
}

}  // namespace
}  // namespace escartinol
