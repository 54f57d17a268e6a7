// Damaged lists and letters the entry box should never pass: the game must load, search and show sound rows.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "support/coarse_clock_folder.h"
#include "support/list_folder.h"
#include "support/loaded_game.h"
#include "words/file_stamp.h"
#include "words/word_search.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using testing::LoadedGame;
using Rows = std::array<std::string, 3>;
using namespace std::string_literals;

const std::string kSeven = "  S\xE8t LETRAS";
const std::string kSix = "  Si\xE8is LETRAS";
const std::string kFive = "  Cinc LETRAS";
const std::string kFour = "  Quatre LETRAS";

// The search alone over lists already loaded; fewer than nine letters leave zero bytes behind them.
SearchResult Search(CWordLists& lists, const std::string& letters) {
    std::array<char, 9> nine{};
    std::copy_n(letters.begin(), std::min<std::size_t>(letters.size(), nine.size()), nine.begin());
    return CWordSearch(lists).SearchWords(nine);
}

// A list that cannot be read costs only its own length, and the player is told which one it is.
// A named pipe without a writer would block a plain open for ever.
TEST(UnreadableList, MissingEmptyFolderOrPipeListsLeaveTheOtherLengthsPlayable) {
    CListFolder folder;  // every list starts empty
    std::filesystem::remove(folder.File(9));
    std::filesystem::remove(folder.File(8));
    std::filesystem::create_directory(folder.File(8));
    std::filesystem::remove(folder.File(6));
    ASSERT_EQ(::mkfifo(folder.File(6).c_str(), 0600), 0);
    folder.WriteLines(7, {"AEILNRT/ralenti"});
    folder.WriteLines(4, {"AEIL/aile"});
    ::testing::internal::CaptureStderr();
    LoadedGame run(folder);
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(told.find(folder.File(9)), std::string::npos);
    EXPECT_NE(told.find(folder.File(8)), std::string::npos);
    EXPECT_NE(told.find(folder.File(6)), std::string::npos);
    EXPECT_EQ(told.find(folder.File(7)), std::string::npos);

    run.Enter("TOLERIANS");
    EXPECT_EQ(run.window.rowText, (Rows{"1" + kSeven, "1" + kFour, ""}));
    EXPECT_EQ(run.game.RowWords()[1], "4 LETRAS:  aile  ");
}

// Lists written on other systems or damaged, read once: what the rows show for TOLERIANS or ABCDEFGQQ.
TEST(ListBytes, OddListsShowWhatTheirLinesHold) {
    std::string megabyte = "AAAA", hidden;
    while (megabyte.size() + 5 <= 1 << 20) megabyte += "/aaaa";
    megabyte.resize(1 << 20, 'a');
    std::string manyAaaa;  // 253 characters: the key, 49 whole words and a cut "aaa"
    for (int word = 0; word < 49; ++word) manyAaaa += "aaaa  ";
    while (hidden.size() < (1 << 20)) hidden += "ABDE/abde\r\n";
    const struct {
        const char* name;
        std::vector<std::pair<int, std::string>> lists;
        const char* entry;
        Rows labels, words;
    } cases[] = {
        // Bare LF reads like CR LF; bare CR leaves one long line, cut by length so the CRs fall between words.
        {"line ends",
         {{6, "AEINST/tisane"}, {5, "AEILS/ailes\nEINST/inset\n"}, {4, "AEIL/aile\rAILS/lias\rEINT/tien"}},
         "TOLERIANS",
         {"1" + kSix, "2" + kFive, "3" + kFour},
         {"6 LETRAS:  tisane  ", "5 LETRAS:  ailes  inset  ", "4 LETRAS:  aile  lias  tien  "}},
        // A megabyte line neither hangs the load nor hides the line after it.
        {"megabyte line",
         {{4, megabyte + "\r\nAABC/abca\r\n"}},
         "AAAABCQQQ",
         {"51" + kFour, "", ""},
         {"4 LETRAS:  " + manyAaaa + "aaa  abca  ", "", ""}},
        // Zero bytes are data; 0x1A ends the list mid-word too, and in the first piece read of a long list.
        {"odd bytes",
         {{4, "AB\0D/ab\0d\r\nABCD/ab\0c/abcd\r\nABCE/ab\032ce\r\n"s + hidden}},
         "ABCDEQQQQ",
         {"3" + kFour, "", ""},
         {"4 LETRAS:  ab\0c  abcd  ab  "s, "", ""}},
        // Binary search over a list out of order misses keys, but never shows a line twice or loops.
        {"key order",
         {{4, "ABCD/abcd\r\nABCD/dcba\r\nABCE/abce\r\n"},
          {5, "ZZZZZ/zzzzz\r\nABCDE/abcde\r\nABCDF/abcdf\r\nABCDG/abcdg\r\n"}},
         "ABCDEFGQQ",
         {"2" + kFive, "2" + kFour, ""},
         {"5 LETRAS:  abcdf  abcdg  ", "4 LETRAS:  abcd  abce  ", ""}},
    };
    for (const auto& c : cases) {
        CListFolder folder;
        for (const auto& [n, bytes] : c.lists) folder.Write(n, bytes);
        LoadedGame run(folder);
        run.Enter(c.entry);
        EXPECT_EQ(run.window.rowText, c.labels) << c.name;
        EXPECT_EQ(run.game.RowWords(), c.words) << c.name;
    }
}

// The files are read again at every hit: what is gone since the load must drop only its own hits.
TEST(ListChangedAfterIndexing, ShortenedRemovedOrFolderListsDropOnlyTheHitsTheyLost) {
    CListFolder folder;
    folder.WriteLines(7, {"AEILNRT/ralenti"});
    folder.WriteLines(6, {"AEINST/tisane", "EILNST/lisent"});
    LoadedGame run(folder);
    run.Enter("TOLERIANS");
    EXPECT_EQ(run.window.rowText, (Rows{"1" + kSeven, "2" + kSix, ""}));

    std::filesystem::remove(folder.File(7));
    std::filesystem::resize_file(folder.File(6), 15 + 10);  // cut inside the second line
    run.Enter("TOLERIANS");
    EXPECT_EQ(run.window.rowText, (Rows{"2" + kSix, "", ""}));
    EXPECT_EQ(run.game.RowWords()[0], "6 LETRAS:  tisane  lis  ");

    std::filesystem::create_directory(folder.File(7));
    std::filesystem::resize_file(folder.File(6), 15);  // the second line's offset is now past the end
    run.Enter("TOLERIANS");
    EXPECT_EQ(run.window.rowText, (Rows{"1" + kSix, "", ""}));
    EXPECT_EQ(run.game.RowWords()[0], "6 LETRAS:  tisane  ");

    std::filesystem::remove(folder.File(6));
    run.Enter("TOLERIANS");
    EXPECT_EQ(run.window.rowText, (Rows{}));
}

// A list edited while the game runs must be searched as a fresh start searches it, never read at
// the offsets of the load: the issue's own edits (a line added before the key's, the first line
// removed), a word added to the key's line, a new key, and a list made after the load. Mapped lists
// must notice the edits as well.
TEST(ListChangedAfterIndexing, EditsWhileTheGameRunsShowWhatAFreshStartShows) {
    const std::vector<std::string> nine = {"AEILNORST/relations", "EILNORSTU/..."};
    const std::vector<std::string> seven = {"AEILNRT/ralenti", "AILNORS/lorains", "EILNOST/..."};
    const struct {
        const char* edit;
        std::vector<std::string> nine, seven;
    } edits[] = {
        {"lines inserted before",
         {"AABBCCDDE/aabbccdde", nine[0], nine[1]},
         {"AEILNOR/...", seven[0], seven[1], seven[2]}},
        {"first lines removed", {nine[1]}, {seven[1], seven[2]}},
        {"a word added to the key's line",
         {nine[0] + "/talerions", nine[1]},
         {seven[0] + "/reliant", seven[1], seven[2]}},
        {"a key added", nine, {seven[0], "AEILORS/...", seven[1], seven[2]}},
    };
    for (const ListHolding holding : {ListHolding::kIndexed, ListHolding::kMapped}) {
        for (const auto& [edit, editedNine, editedSeven] : edits) {
            CListFolder folder;
            folder.WriteLines(9, nine);
            folder.WriteLines(7, seven);
            CWordLists running(folder.Dir(), holding);
            running.LoadWordLists();
            const SearchResult before = Search(running, "TOLERIANS");
            folder.WriteLines(9, editedNine);
            folder.WriteLines(7, editedSeven);
            const SearchResult after = Search(running, "TOLERIANS");
            CWordLists fresh(folder.Dir());
            fresh.LoadWordLists();
            const SearchResult expected = Search(fresh, "TOLERIANS");
            EXPECT_NE(expected.rows, before.rows) << edit;
            EXPECT_EQ(after.rows, expected.rows) << edit;
        }

        CListFolder folder;
        std::filesystem::remove(folder.File(7));
        CWordLists running(folder.Dir(), holding);
        running.LoadWordLists();
        Search(running, "TOLERIANS");
        folder.WriteLines(7, seven);
        const SearchResult after = Search(running, "TOLERIANS");
        EXPECT_EQ(after.rows[0].words, "7 LETRAS:  ralenti  lorains  ...  ");
        EXPECT_EQ(after.rows[1].words, "");
    }
}

// Where times are whole seconds, a list rewritten in place twice within one second has the same
// stamp after both writes: what the game read between them (here a key line half rewritten, as a
// reader finds a file in the middle of its writing) must be read again, or the key stays hidden.
TEST(ListChangedAfterIndexing, AListReadBetweenTwoWritesOfOneSecondIsReadAgainAfterThem) {
    testing::CCoarseClockFolder coarse;
    if (!coarse.Skipped().empty()) GTEST_SKIP() << coarse.Skipped();
    const std::string path = coarse.Dir() + "/" + ListFileName(4);
    for (int attempt = 0; attempt < 3; ++attempt) {
        { std::ofstream(path, std::ios::binary | std::ios::trunc) << "AAAA/aaaa\r\nBBBB/bbbb\r\nCCCC/cccc\r\n"; }
        // Last written long ago, so that the first write below changes the stamp.
        const timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), hourAgo, 0), 0);
        CWordLists lists(coarse.Dir());
        lists.LoadWordLists();
        const int fd = ::open(path.c_str(), O_WRONLY);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::pwrite(fd, "B?BB", 4, 11), 4);
        lists.RefreshList(4);
        const auto halfWritten = StampOfPath(path);
        ASSERT_EQ(::pwrite(fd, "BBBB", 4, 11), 4);
        ::close(fd);
        if (StampOfPath(path) != halfWritten) continue;  // a second began between the writes
        lists.RefreshList(4);
        EXPECT_GE(lists.FindListKey(4, "BBBB"), 0);
        return;
    }
    FAIL() << "three tries each crossed a second";
}

// What the entry box lets through unchecked: none of it may reach a tile image or the search.
const std::vector<std::string> kRefusedEntries = {"",          "TOLERIAN",     "TOLER ANS",
                                                  "TOLER1ANS", "TOLER\311ANS", "\xFF\x80\xC0\xE9\xE8\xF2\xFF\x80\xC0",
                                                  "tolerians", "TOLER\0ANS"s,  "TOL\0"s};

TEST(RefusedLetters, ARefusedEntryKeepsTheBoard) {
    CListFolder folder;
    folder.WriteLines(7, {"AEILNRT/ralenti"});
    LoadedGame run(folder);
    run.Enter("TOLERIANS");
    const Rows rows = run.window.rowText;
    ASSERT_EQ(rows[0], "1" + kSeven);
    for (const std::string& entry : kRefusedEntries) {
        for (const bool ok : {true, false}) {
            run.Enter(entry, ok);
            EXPECT_EQ(run.window.TileLetters(), "AEILNORST") << entry;
            EXPECT_EQ(run.window.rowText, rows) << entry;
        }
    }
}

// The search itself refuses them too, for callers that bypass the game; shorter entries end in zero bytes.
TEST(RefusedLetters, TheSearchLooksNoRefusedLettersUp) {
    CListFolder folder;
    folder.WriteLines(4, {"    /abcd", "0000/abcd"});
    CWordLists lists(folder.Dir());
    lists.LoadWordLists();
    for (const std::string& entry : kRefusedEntries) {
        lists.ResetCounts();
        const SearchResult result = Search(lists, entry);
        EXPECT_EQ(std::string(result.letters.begin(), result.letters.end()),
                  (entry + std::string(9, '\0')).substr(0, 9))
            << entry;
        for (int n = kMinWordLength; n <= kMaxWordLength; ++n) EXPECT_EQ(lists.LookupCount(n), 0) << entry;
        EXPECT_EQ(result.rows, SearchResult{}.rows) << entry;
    }
}

}  // namespace
}  // namespace escartinol
