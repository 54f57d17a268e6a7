// The search: which keys it forms, in which order, and what each row and word text receives.
#include <gtest/gtest.h>

#include <string>

#include "support/list_folder.h"
#include "support/search_run.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using testing::SearchRun;
using Rows = std::array<std::string, 3>;

const std::string kSeven = "  S\xE8t LETRAS";
const std::string kSix = "  Si\xE8is LETRAS";

void WriteWorkedExample(const CListFolder& folder) {
    folder.WriteLines(7, {"AEILNRT/ralenti/reliant", "AILNORS/lorains"});
    folder.WriteLines(6, {"AEINST/tisane/satine"});
}

// With no nine- or eight-letter words the seven letters take the first row, not the third.
TEST(WordSearch, WorkedExampleFillsSevenThenSixAndConsultsEveryShorterList) {
    CListFolder folder;
    WriteWorkedExample(folder);
    SearchRun run(folder.Dir());
    run.Search("TOLERIANS");
    EXPECT_EQ(run.Letters(), "AEILNORST");
    EXPECT_EQ(run.rowText, (Rows{"3" + kSeven, "2" + kSix, ""}));
    EXPECT_EQ(run.writes, 2);
    EXPECT_EQ(run.rowWords, (Rows{"7 LETRAS:  ralenti  reliant  lorains  ", "6 LETRAS:  tisane  satine  ", ""}));
    // Nine different letters, at most two lengths from 9 to 5 with words: every key once.
    EXPECT_EQ(run.TotalLookups(), 382);
    EXPECT_EQ(run.Lookups(7), 36);
    EXPECT_EQ(run.Lookups(4), 126);
}

TEST(WordSearch, WorkedExampleWithNineAndEightLettersStopsAfterSeven) {
    CListFolder folder;
    WriteWorkedExample(folder);
    folder.WriteLines(9, {"AEILNORST/relations"});
    folder.WriteLines(8, {"AEILNORS/ailerons", "EILNORST/liserons"});
    SearchRun run(folder.Dir());
    run.Search("TOLERIANS");
    EXPECT_EQ(run.rowText, (Rows{"1  N\xF2u LETRAS", "2  Vu\350ch LETRAS", "3" + kSeven}));
    // Nine letters end with their last word; the key without A comes before the key without T.
    EXPECT_EQ(run.rowWords, (Rows{"9 LETRAS:  relations", "8 LETRAS:  liserons  ailerons  ",
                                  "7 LETRAS:  ralenti  reliant  lorains  "}));
    EXPECT_EQ(run.Lookups(6) + run.Lookups(5) + run.Lookups(4), 0);
}

TEST(WordSearch, RepeatedLettersAreLookedUpOnce) {
    CListFolder folder;
    folder.WriteLines(8, {"AABCDEFG/aabcdefg", "ABCDEFGH/abcdefgh"});
    SearchRun run(folder.Dir());
    run.Search("EEEEEEEEE");
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) EXPECT_EQ(run.Lookups(n), 1) << n;

    // Leaving out the second A gives the same key as leaving out the first, so it is skipped;
    // keys come largest first, so the key without an A leads.
    run.Search("HGFEDCBAA");
    EXPECT_EQ(run.Lookups(8), 8);
    EXPECT_EQ(run.rowWords[0], "8 LETRAS:  abcdefgh  aabcdefg  ");
}

TEST(WordSearch, WordsAreCutToTheirLengthButTheLastKeepsTheRestOfTheLine) {
    CListFolder folder;
    folder.WriteLines(4, {"ABCD/abcdef/bcda", "ABCE/", "ABDE/abde/"});
    SearchRun run(folder.Dir());
    run.Search("ABCDEZZZZ");
    // "abcdef" is cut to four letters; a line with nothing after the slash yields one empty word.
    EXPECT_EQ(run.rowText[0], "5  Quatre LETRAS");
    EXPECT_EQ(run.rowWords[0], "4 LETRAS:  abcd  bcda    abde    ");
}

}  // namespace
}  // namespace escartinol
