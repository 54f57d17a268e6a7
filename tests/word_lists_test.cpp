// The index must match the files byte for byte; damaged lists are covered in fault_injection_test.cpp.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/list_folder.h"
#include "words/word_lists.h"

namespace escartinol {
namespace {

using testing::CListFolder;

// Offsets add two bytes of line end per line; the last one points past the last line end.
TEST(WordListIndex, OffsetsCountLineLengthsPlusTheLineEnd) {
    CListFolder folder;
    folder.WriteLines(7, {"AAAAAAA/" + std::string(12, 'a'), "AAAAAAB/" + std::string(23, 'b'), "AAAAAAC/cccc"});
    CWordLists lists(folder.Dir());
    lists.LoadWordLists();
    std::vector<std::int32_t> offsets;
    for (std::int32_t i = 0; i <= lists.KeyCount(7); ++i) offsets.push_back(lists.LineOffset(7, i));
    EXPECT_EQ(offsets, (std::vector<std::int32_t>{0, 22, 55, 69}));
    EXPECT_STREQ(lists.KeyEntry(7, 1), "AAAAAAB");
    std::string line;
    EXPECT_TRUE(lists.FetchListLine(7, 2, line));
    EXPECT_EQ(line, "AAAAAAC/cccc");
}

// The key of a line shorter than its length must not take bytes from the line after it.
TEST(WordListIndex, ALineShorterThanItsKeyIsPaddedWithZeroBytes) {
    CListFolder folder;
    folder.WriteLines(4, {"AB", "ABCD/abcd"});
    CWordLists lists(folder.Dir());
    lists.LoadWordLists();
    EXPECT_EQ(std::string(lists.KeyEntry(4, 0), 5), std::string("AB\0\0\0", 5));
    EXPECT_EQ(lists.FindListKey(4, "ABCD"), 1);
}

}  // namespace
}  // namespace escartinol
