// How a word is keyed and how long a line grows; which words a build takes is tools_test.cpp's.
#include "lists/list_builder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "words/list_format.h"

namespace escartinol {
namespace {

// Every accented letter a list may hold, under its own: a letter left out would drop its words.
TEST(ListFormat, KeysFoldAccents) {
    EXPECT_EQ(KeyOfWord("\xE0\xE1\xE2\xE3\xE4\xE5\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF1\xF2\xF3\xF4\xF5\xF6\xF8"
                        "\xF9\xFA\xFB\xFC\xFD\xFF\x9A\x9E"),
              "AAAAAACEEEEIIIINOOOOOOSUUUUYYZ");
    for (const char* word : {"Paris", "aujourd'hui", "porte-cl\xE9"}) EXPECT_EQ(KeyOfWord(word), "") << word;
}

// A line holds at most 253 characters: 49 words of 4 letters make 249, and a 50th would make 254.
TEST(ListBuilder, CutsLinesAtTheLastWordWithin253Characters) {
    CListBuilder builder;
    std::string four = "abcd";
    do {  // with a, à or â: 72 words of one key
        for (const char* a : {"a", "\xE0", "\xE2"}) builder.Add(std::string(four).replace(four.find('a'), 1, a));
    } while (std::next_permutation(four.begin(), four.end()));
    EXPECT_EQ(builder.Lines(4).at(0).size(), 249u);
    EXPECT_EQ(builder.CutLines().at(0).wordsLeftOut, 72u - 49u);
}

}  // namespace
}  // namespace escartinol
