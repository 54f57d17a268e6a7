// The index must match the files byte for byte; damaged lists are covered in fault_injection_test.cpp.
#include "words/word_lists.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "support/coarse_clock_folder.h"
#include "support/list_folder.h"

namespace escartinol {
namespace {

using testing::CListFolder;

// With no search to notice an edit first, a fetch must still hand back its key's line as the file now
// has it, or nothing. The same-size rewrite keeps the file's times, so only the line read shows the move.
TEST(WordListFetch, AfterAnEditAFetchGivesTheKeysLineAsItNowIsOrNothing) {
    const std::string before = "ABCD/abcd/dcba\r\nEFGH/efgh\r\n";
    const struct {
        std::string after, abcd, efgh;  // the lines the two keys must fetch; empty: none
    } edits[] = {
        {"AAAA/aaaa\r\n" + before, "ABCD/abcd/dcba", "EFGH/efgh"},  // a line inserted before
        {"EFGH/efgh\r\n", "", "EFGH/efgh"},                         // the first line removed
        {"ABCD/abcd/dcba/bcda\r\nEFGH/efgh\r\n", "ABCD/abcd/dcba/bcda", "EFGH/efgh"},
        {"ABCD/abcd\r\nEFGH/efgh/hgfe\r\n", "ABCD/abcd", "EFGH/efgh/hgfe"},  // the same size, a line moved
        {"ABCD/abcd\r\nBBBBBEFGH/efgh\r\n", "ABCD/abcd", ""},                // the same size, EFGH/ now mid-line
    };
    // Where times are whole seconds, a same-size rewrite keeps the very stamp the fetch compares.
    const testing::CCoarseClockFolder coarse;
    const CListFolder folder;
    for (const std::string& dir : {folder.Dir(), coarse.Dir()}) {
        for (const auto& [after, abcd, efgh] : edits) {
            if (dir.empty()) continue;
            const std::string path = dir + "/" + ListFileName(4);
            std::ofstream(path, std::ios::binary) << before;
            CWordLists lists(dir);
            lists.LoadWordLists();
            const auto indexedTime = std::filesystem::last_write_time(path);
            std::ofstream(path, std::ios::binary) << after;
            if (after.size() == before.size()) std::filesystem::last_write_time(path, indexedTime);
            for (const auto& [key, expected] : {std::pair{"ABCD", abcd}, std::pair{"EFGH", efgh}}) {
                std::string line = "stale";
                EXPECT_EQ(lists.FetchListLine(4, lists.FindListKey(4, key), line), !expected.empty()) << after;
                EXPECT_EQ(line, expected) << dir << ' ' << after << ' ' << key;
            }
        }
    }
}

// cp -p and touch -r put the old modification time back on a rewritten list; only the change time,
// which no one can set, still tells the game to index the list again.
TEST(WordListRefresh, ARewriteOfTheSameSizeWithItsOldTimeIsIndexedAgain) {
    CListFolder folder;
    folder.Write(4, "ABCD/abcd\r\nEFGH/efgh\r\n");
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // well before the load: only the stamp tells
    CWordLists lists(folder.Dir());
    lists.LoadWordLists();
    // The change time as the kernel keeps it, so that a stamp blind to part of the second still fails.
    const auto changed = [&] {
        struct stat status {};
        ::stat(folder.File(4).c_str(), &status);
        return std::pair(status.st_ctim.tv_sec, status.st_ctim.tv_nsec);
    };
    const auto loaded = std::pair(changed(), std::filesystem::last_write_time(folder.File(4)));
    folder.Write(4, "ABCD/abcd\r\nEFGI/efgi\r\n");
    // Files are stamped by a clock that ticks every few milliseconds.
    for (int tick = 0; tick == 0 || (tick < 1000 && changed() == loaded.first); ++tick) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        std::filesystem::last_write_time(folder.File(4), loaded.second);
    }
    lists.RefreshList(4);
    EXPECT_GE(lists.FindListKey(4, "EFGI"), 0);
}

// For one search the lists are searched as the mapped bytes they are: on sorted lists every key, absent
// or present however odd its line, must find and fetch what the index gives.
TEST(MappedLists, EveryKeyFetchesWhatTheIndexGivesOnSortedLists) {
    using namespace std::string_literals;
    CListFolder folder;
    // Short lines, a key twice, a key without '/', a line over the limit, a zero byte, a last line with
    // a CR and no LF; an end mark; no line end; a key among lines denser than the index allots room for.
    folder.Write(4, "AB\r\nABC\r\nABCD/abcd/dcba\r\nABCD/dcba\r\nABCDE\r\nABCE/" + std::string(300, 'e') +
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
        std::vector<std::string> keys = {std::string(n, 'A'), std::string(n, 'Z')};
        for (std::int32_t i = 0; i < indexed.KeyCount(n); ++i) keys.emplace_back(indexed.KeyEntry(n, i));
        for (const std::string& key : keys) {
            const std::int32_t atIndex = indexed.FindListKey(n, key.c_str());
            const std::int32_t atMapped = mapped.FindListKey(n, key.c_str());
            ASSERT_EQ(atMapped >= 0, atIndex >= 0) << n << ' ' << key;
            std::string fromIndex = "stale", fromMapped = "stale";
            EXPECT_EQ(mapped.FetchListLine(n, atMapped, fromMapped), indexed.FetchListLine(n, atIndex, fromIndex));
            EXPECT_EQ(fromMapped, fromIndex) << n << ' ' << key;
        }
    }
    std::string line;
    EXPECT_TRUE(mapped.FetchListLine(4, mapped.FindListKey(4, "ABCE"), line));
    EXPECT_EQ(line.size(), 253u);
    EXPECT_FALSE(mapped.FetchListLine(4, mapped.FindListKey(4, "ABCD") + 5, line));  // "abcd/dcba", mid-line
}

}  // namespace
}  // namespace escartinol
