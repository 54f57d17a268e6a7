// Building lists from a plain word file: which words are taken, how they are keyed and ordered.
#include "words/list_builder.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace escartinol
