// The site sends the lists without their keys, and the page files each line again under the key of
// its first word: a pack must give back every byte of the lists, or be refused at build time.
#include "web/list_pack.h"

#include <gtest/gtest.h>

namespace escartinol {
namespace {

ListTexts NineAndFour(std::string nine, std::string four) {
    ListTexts lists;
    lists.front() = std::move(nine);
    lists.back() = std::move(four);
    return lists;
}

TEST(ListPack, UnpackingGivesBackEveryByteOfTheLists) {
    // é files under E, and the keys' order is not the words': étel sorts last, EELT before ELOV.
    const ListTexts lists =
        NineAndFour("AEILNORST/relations/talerions\r\n", "AELT/tale\r\nEELT/\xE9tel\r\nELOV/love/vole\r\n");
    const std::optional<std::string> packed = PackLists(lists);
    ASSERT_TRUE(packed);
    EXPECT_EQ(UnpackLists(*packed), lists);
}

TEST(ListPack, RefusesListsThatUnpackingWouldNotGiveBack) {
    // A key its word does not give, a line without its key, a list without its last line end.
    for (const char* four : {"ABCD/tale\r\n", "tale\r\n", "AELT/tale"})
        EXPECT_FALSE(PackLists(NineAndFour({}, four))) << four;
}

}  // namespace
}  // namespace escartinol
