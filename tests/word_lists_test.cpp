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

}  // namespace
}  // namespace escartinol
