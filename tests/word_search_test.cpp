// The search through the game, and the lists packed for the page, which files lines under their words' keys.
#include <gtest/gtest.h>

#include <string>

#include "support/loaded_game.h"
#include "web/list_pack.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using testing::LoadedGame;
using Rows = std::array<std::string, kRowCount>;
using Counts = std::array<long, kListCount>;  // lookups of 4 to 9 letters

Counts Lookups(LoadedGame& run, const std::string& nine) {
    run.game.WordLists().ResetCounts();
    run.Enter(nine);
    Counts counts{};
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) counts[n - 4] = run.game.WordLists().LookupCount(n);
    return counts;
}

// The longest lengths with words, from the top; each key once (C(9, n)), no shorter list once the rows are full.
TEST(WordSearch, TheLongestLengthsWithWordsTakeTheRows) {
    const std::string seven = "7 LETRAS:  ralenti  reliant  lorains  ";
    for (const bool longer : {false, true}) {
        CListFolder folder;
        folder.WriteLines(7, {"AEILNRT/ralenti/reliant", "AILNORS/lorains"});
        folder.WriteLines(6, {"AEINST/tisane/satine"});
        if (longer) folder.WriteLines(9, {"AEILNORST/relations"});
        if (longer) folder.WriteLines(8, {"AEILNORS/ailerons", "EILNORST/liserons"});
        LoadedGame run(folder.Dir());
        EXPECT_EQ(Lookups(run, "TOLERIANS"), (longer ? Counts{0, 0, 0, 36, 9, 1} : Counts{126, 126, 84, 36, 9, 1}));
        EXPECT_EQ(run.window.rowText, (longer ? Rows{"1  N\xF2u LETRAS",
                                                     "2  Vu\xE8"
                                                     "ch LETRAS",
                                                     "3  S\xE8t LETRAS"}
                                              : Rows{"3  S\xE8t LETRAS", "2  Si\xE8is LETRAS", ""}));
        EXPECT_EQ(run.game.RowWords(), (longer ? Rows{"9 LETRAS:  relations", "8 LETRAS:  liserons  ailerons  ", seven}
                                               : Rows{seven, "6 LETRAS:  tisane  satine  ", ""}));
    }
}

// A repeated letter makes each key once; keys come largest first, so the key without an A leads.
TEST(WordSearch, RepeatedLettersMakeEachKeyOnce) {
    const CListFolder folder{{8, {"AABCDEFG/aabcdefg", "ABCDEFGH/abcdefgh"}}, {5, {"AABCD/aabcd"}}};
    LoadedGame run(folder.Dir());
    EXPECT_EQ(Lookups(run, "EEEEEEEEE"), (Counts{1, 1, 1, 1, 1, 1}));
    EXPECT_EQ(Lookups(run, "HGFEDCBAA"), (Counts{91, 91, 63, 29, 8, 1}));
    EXPECT_EQ(run.game.RowWords(), (Rows{"8 LETRAS:  abcdefgh  aabcdefg  ", "5 LETRAS:  aabcd  ", ""}));
}

// Words but a line's last are cut to the key's length; "ABCE/" is one empty word, "ACDEZ/" no key's line.
TEST(WordSearch, WordsAreCutToTheirLengthButTheLastKeepsTheRestOfTheLine) {
    const CListFolder folder{{4, {"ABCD/abcdef/bcda", "ABCE/", "ABDE/abde/", "ACDEZ/acdez"}}};
    LoadedGame run(folder.Dir());
    run.Enter("ABCDEZZZZ");
    EXPECT_EQ(run.window.rowText[0], "5  Quatre LETRAS");
    EXPECT_EQ(run.game.RowWords()[0], "4 LETRAS:  abcd  bcda    abde    ");
}

// étel files under EELT, before ELOV; refused: a key its word does not give, no key, no last line end.
TEST(ListPack, OnlyListsThatUnpackingGivesBackArePacked) {
    const char* fours[] = {"AELT/tale\r\nEELT/\xE9tel\r\nELOV/love/vole\r\n", "ABCD/tale\r\n", "tale\r\n", "AELT/tale"};
    for (const char* four : fours) {
        const ListTexts lists = {"AEILNORST/relations/talerions\r\n", "", "", "", "", four};
        const std::optional<std::string> packed = PackLists(lists);
        EXPECT_EQ(packed.has_value(), four == fours[0]) << four;
        EXPECT_EQ(packed ? UnpackLists(*packed) : lists, lists);
    }
}

}  // namespace
}  // namespace escartinol
