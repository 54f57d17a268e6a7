// The index must match the files byte for byte, whatever their line ends or oddities.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/list_folder.h"
#include "words/word_lists.h"

namespace escartinol {
namespace {

using testing::CListFolder;

std::vector<std::int32_t> Offsets(const CWordLists& lists, int n) {
    std::vector<std::int32_t> offsets;
    for (std::int32_t i = 0; i <= lists.KeyCount(n); ++i) offsets.push_back(lists.LineOffset(n, i));
    return offsets;
}

std::string Fetch(const CWordLists& lists, int n, std::int32_t i) {
    std::string line;
    EXPECT_TRUE(lists.FetchListLine(n, i, line));
    return line;
}

// Offsets add two bytes of line end per line; the last one points past the last line end.
TEST(WordListIndex, OffsetsCountLineLengthsPlusTheLineEnd) {
    CListFolder folder;
    folder.WriteLines(7, {"AAAAAAA/" + std::string(12, 'a'), "AAAAAAB/" + std::string(23, 'b'), "AAAAAAC/cccc"});
    CWordLists lists(folder.Dir());
    lists.LoadWordLists();
    EXPECT_EQ(Offsets(lists, 7), (std::vector<std::int32_t>{0, 22, 55, 69}));
    EXPECT_STREQ(lists.KeyEntry(7, 1), "AAAAAAB");
    EXPECT_EQ(Fetch(lists, 7, 2), "AAAAAAC/cccc");
}

TEST(WordListIndex, LastLineWithOrWithoutLineEndGivesOneEntryPerLine) {
    CListFolder folder;
    folder.Write(4, "ABCD/bcda\r\nEFGH/fegh\r\n");
    folder.Write(5, "ABCDE/bcdae\r\nEFGHI/fegih");
    CWordLists lists(folder.Dir());
    lists.LoadWordLists();
    EXPECT_EQ(lists.KeyCount(4), 2);
    EXPECT_EQ(lists.KeyCount(5), 2);
    EXPECT_EQ(Offsets(lists, 5), (std::vector<std::int32_t>{0, 13, 26}));
    EXPECT_EQ(Fetch(lists, 5, 1), "EFGHI/fegih");
}

TEST(WordListIndex, EmptyAndMissingListsGiveEmptyIndexesAndAreReported) {
    CListFolder folder;
    std::filesystem::remove(folder.File(6));
    std::filesystem::remove(folder.File(8));
    std::filesystem::create_directory(folder.File(8));  // a folder where a list should be
    std::vector<std::string> missing;
    CWordLists lists(folder.Dir());
    lists.LoadWordLists([&](const std::string& path) { missing.push_back(path); });
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) EXPECT_EQ(lists.KeyCount(n), 0) << n;
    EXPECT_EQ(lists.FindListKey(4, "ABCD"), -1);
    EXPECT_EQ(missing, (std::vector<std::string>{folder.File(8), folder.File(6)}));
}

TEST(WordListIndex, ShortLinesArePaddedAndUnsortedLinesHideKeys) {
    CListFolder folder;
    folder.WriteLines(4, {"AB", "ABCD/abcd"});
    folder.WriteLines(5, {"EEEEE/eeeee", "AAAAA/aaaaa", "ZZZZZ/zzzzz"});
    CWordLists lists(folder.Dir());
    lists.LoadWordLists();
    EXPECT_EQ(std::string(lists.KeyEntry(4, 0), 5), std::string("AB\0\0\0", 5));
    EXPECT_EQ(lists.FindListKey(4, "AB"), 0);
    EXPECT_EQ(lists.FindListKey(4, "ABCD"), 1);
    // Order is part of the format: the out-of-place line cannot be found.
    EXPECT_EQ(lists.FindListKey(5, "AAAAA"), -1);
    EXPECT_EQ(lists.FindListKey(5, "ZZZZZ"), 2);
}

// A line past the format's limit must not shift the offsets of the lines after it.
TEST(WordListIndex, OverlongLineKeepsLaterOffsetsAndIsFetchedCut) {
    CListFolder folder;
    const std::string longLine = "AAAA/" + std::string(995, 'a');
    folder.WriteLines(4, {longLine, "BBBB/bbbb"});
    CWordLists lists(folder.Dir());
    lists.LoadWordLists();
    ASSERT_EQ(lists.KeyCount(4), 2);
    EXPECT_EQ(lists.LineOffset(4, 1), 1002);
    EXPECT_EQ(Fetch(lists, 4, 0), longLine.substr(0, kMaxLineChars));
    EXPECT_EQ(Fetch(lists, 4, 1), "BBBB/bbbb");
    EXPECT_EQ(lists.FindListKey(4, "BBBB"), 1);
}

TEST(WordListIndex, ByteOneAEndsTheFileAndLineEndsAreNormalised) {
    CListFolder folder;
    folder.Write(4, "AAAA/aaaa\r\nBBBB/bb\x1A" "bb\r\nCCCC/cccc\r\n");
    folder.Write(5, "AAAAA/aaaaa\nBBBBB/bbbbb\rx\r\nCCCCC/ccccc");
    CWordLists lists(folder.Dir());
    lists.LoadWordLists();
    EXPECT_EQ(lists.KeyCount(4), 2);
    EXPECT_EQ(Fetch(lists, 4, 1), "BBBB/bb");
    ASSERT_EQ(lists.KeyCount(5), 3);
    // Offsets stay raw byte positions, also after a bare LF.
    EXPECT_EQ(Offsets(lists, 5), (std::vector<std::int32_t>{0, 12, 27, 40}));
    EXPECT_EQ(Fetch(lists, 5, 1), "BBBBB/bbbbb\rx");
    EXPECT_EQ(Fetch(lists, 5, 2), "CCCCC/ccccc");
}

TEST(WordListIndex, FetchFailsWhenTheFileWasShortenedOrRemovedAfterIndexing) {
    CListFolder folder;
    folder.WriteLines(6, {"AAAAAA/aaaaaa", "BBBBBB/bbbbbb"});
    CWordLists lists(folder.Dir());
    lists.LoadWordLists();
    std::string line = "stale";
    folder.WriteLines(6, {"AAAAAA/aaaaaa"});
    EXPECT_FALSE(lists.FetchListLine(6, 1, line));
    EXPECT_EQ(line, "");
    // Text edited in place is read from the old offsets.
    folder.WriteLines(6, {"AAAAAA/xxxxxx"});
    EXPECT_EQ(Fetch(lists, 6, 0), "AAAAAA/xxxxxx");
    std::filesystem::remove(folder.File(6));
    EXPECT_FALSE(lists.FetchListLine(6, 0, line));
}

TEST(WordListIndex, ReleaseEmptiesEveryIndex) {
    CListFolder folder;
    folder.WriteLines(9, {"AEILNORST/relations"});
    CWordLists lists(folder.Dir());
    lists.LoadWordLists();
    EXPECT_EQ(lists.FindListKey(9, "AEILNORST"), 0);
    lists.Release();
    EXPECT_EQ(lists.KeyCount(9), 0);
    EXPECT_EQ(lists.FindListKey(9, "AEILNORST"), -1);
}

}  // namespace
}  // namespace escartinol
