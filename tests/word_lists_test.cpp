// The index must match the files byte for byte; damaged lists are covered in fault_injection_test.cpp.
#include "words/word_lists.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "support/list_folder.h"

namespace escartinol {
namespace {

using testing::CListFolder;

// With no search to notice an edit first, a fetch must still hand back its key's line as the file
// now has it, or nothing. The same-size rewrite keeps the file's times, so that only the line it
// reads can show the move.
TEST(WordListFetch, AfterAnEditAFetchGivesTheKeysLineAsItNowIsOrNothing) {
    const std::string before = "ABCD/abcd/dcba\r\nEFGH/efgh\r\n";
    const struct {
        const char* edit;
        std::string after;
        std::string abcd, efgh;  // the lines the two keys must fetch; empty: none
    } edits[] = {
        {"a line inserted before", "AAAA/aaaa\r\n" + before, "ABCD/abcd/dcba", "EFGH/efgh"},
        {"the first line removed", "EFGH/efgh\r\n", "", "EFGH/efgh"},
        {"a word added to a line", "ABCD/abcd/dcba/bcda\r\nEFGH/efgh\r\n", "ABCD/abcd/dcba/bcda", "EFGH/efgh"},
        {"the same size, a line moved", "ABCD/abcd\r\nEFGH/efgh/hgfe\r\n", "ABCD/abcd", "EFGH/efgh/hgfe"},
    };
    for (const auto& [edit, after, abcd, efgh] : edits) {
        CListFolder folder;
        folder.Write(4, before);
        CWordLists lists(folder.Dir());
        lists.LoadWordLists();
        const auto indexedTime = std::filesystem::last_write_time(folder.File(4));
        folder.Write(4, after);
        if (after.size() == before.size()) std::filesystem::last_write_time(folder.File(4), indexedTime);
        for (const auto& [key, expected] : {std::pair{"ABCD", abcd}, std::pair{"EFGH", efgh}}) {
            const std::int32_t i = lists.FindListKey(4, key);
            ASSERT_GE(i, 0) << edit << ' ' << key;
            std::string line = "stale";
            EXPECT_EQ(lists.FetchListLine(4, i, line), !expected.empty()) << edit << ' ' << key;
            EXPECT_EQ(line, expected) << edit << ' ' << key;
        }
    }
}

// cp -p and touch -r put the old modification time back on a rewritten list; only the change
// time, which no one can set, still tells the game to index the list again.
TEST(WordListRefresh, ARewriteOfTheSameSizeWithItsOldTimeIsIndexedAgain) {
    CListFolder folder;
    folder.Write(4, "ABCD/abcd\r\nEFGH/efgh\r\n");
    // Written well before the load, so that only the stamp can tell of the rewrite.
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    CWordLists lists(folder.Dir());
    lists.LoadWordLists();
    const std::optional<FileStamp> loaded = StampOfPath(folder.File(4));
    // The change time as the kernel keeps it, so that a stamp blind to part of the second still fails.
    const auto changed = [&] {
        struct stat status {};
        ::stat(folder.File(4).c_str(), &status);
        return std::pair(status.st_ctim.tv_sec, status.st_ctim.tv_nsec);
    };
    const auto loadedChange = changed();
    const auto indexedTime = std::filesystem::last_write_time(folder.File(4));
    folder.Write(4, "ABCD/abcd\r\nEFGI/efgi\r\n");
    // Files are stamped by a clock that ticks every few milliseconds.
    for (int tick = 0; tick == 0 || (tick < 1000 && changed() == loadedChange); ++tick) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::filesystem::last_write_time(folder.File(4), indexedTime);
    }
    const std::optional<FileStamp> rewritten = StampOfPath(folder.File(4));
    ASSERT_EQ(rewritten->modifiedNanoseconds, loaded->modifiedNanoseconds);
    ASSERT_EQ(rewritten->size, loaded->size);
    lists.RefreshList(4);
    EXPECT_GE(lists.FindListKey(4, "EFGI"), 0);
}

// For one search the lists are searched as the mapped bytes they are, not through an index: on
// sorted lists every key, absent or present however odd its line, must find and fetch what the
// index gives.
TEST(MappedLists, EveryKeyFetchesWhatTheIndexGivesOnSortedLists) {
    using namespace std::string_literals;
    CListFolder folder;
    // Entries in order: short lines, a key twice, a key without '/', a line over the limit, a zero
    // byte, and a last line with a CR and no LF; then a key among lines denser than the index allots room for.
    folder.Write(4, "AB\r\nABC\r\nABCD/abcd\r\nABCD/dcba\r\nABCDE\r\nABCE/" + std::string(300, 'e') +
                        "\r\nABD\0/x\r\nABDE/abde\r"s);
    folder.Write(5, "ABCDE/abcde\nABCDF/abcdf\x1A\r\nABCDG/abcdg\r\n");
    folder.Write(6, "ABCDEF/fedcba");
    std::string dense = "AAAA\r\nAAAA\r\nAAAA\r\nAAAA\r\nAAAA\r\nABCDEFGH/abcdefgh\r\n";
    for (int line = 0; line < 20; ++line) dense += "ZZZ\n";
    folder.Write(8, dense);
    std::filesystem::remove(folder.File(7));
    std::filesystem::create_directory(folder.File(7));
    CWordLists indexed(folder.Dir());
    indexed.LoadWordLists();
    CWordLists mapped(folder.Dir(), ListHolding::kMapped);
    std::vector<std::string> missing;
    mapped.LoadWordLists([&missing](const std::string& path) { missing.push_back(path); });
    EXPECT_EQ(missing, std::vector<std::string>{folder.File(7)});
    EXPECT_EQ(mapped.KeyCount(4), 0);  // no index was built

    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) {
        std::vector<std::string> keys = {std::string(static_cast<std::size_t>(n), 'A'),
                                         std::string(static_cast<std::size_t>(n), 'Z')};
        for (std::int32_t i = 0; i < indexed.KeyCount(n); ++i) keys.emplace_back(indexed.KeyEntry(n, i));
        for (const std::string& key : keys) {
            const std::int32_t atIndex = indexed.FindListKey(n, key.c_str());
            const std::int32_t atMapped = mapped.FindListKey(n, key.c_str());
            ASSERT_EQ(atMapped >= 0, atIndex >= 0) << n << ' ' << key;
            std::string fromIndex = "stale";
            std::string fromMapped = "stale";
            EXPECT_EQ(mapped.FetchListLine(n, atMapped, fromMapped), indexed.FetchListLine(n, atIndex, fromIndex))
                << n << ' ' << key;
            EXPECT_EQ(fromMapped, fromIndex) << n << ' ' << key;
        }
    }
    std::string line;
    EXPECT_TRUE(mapped.FetchListLine(4, mapped.FindListKey(4, "ABCE"), line));
    EXPECT_EQ(line.size(), 253u);
    EXPECT_FALSE(mapped.FetchListLine(4, 1, line));  // not where a line starts
}

}  // namespace
}  // namespace escartinol
