// The page files each line again under its first word's key: a pack must give back every byte, or be refused.
#include "web/list_pack.h"

#include <gtest/gtest.h>

namespace escartinol {
namespace {

// é files under E, and the keys' order is not the words': étel sorts last, EELT before ELOV. Refused: a
// key its word does not give, a line without its key, a list without its last line end.
TEST(ListPack, OnlyListsThatUnpackingGivesBackArePacked) {
    const std::pair<const char*, bool> fours[] = {{"AELT/tale\r\nEELT/\xE9tel\r\nELOV/love/vole\r\n", true},
                                                  {"ABCD/tale\r\n", false},
                                                  {"tale\r\n", false},
                                                  {"AELT/tale", false}};
    for (const auto& [four, packs] : fours) {
        const ListTexts lists = {"AEILNORST/relations/talerions\r\n", "", "", "", "", four};
        const std::optional<std::string> packed = PackLists(lists);
        EXPECT_EQ(packed.has_value(), packs) << four;
        EXPECT_EQ(packed ? UnpackLists(*packed) : lists, lists);
    }
}

}  // namespace
}  // namespace escartinol
