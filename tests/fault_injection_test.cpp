// Damaged lists and letters the entry box should never pass: the game must load, search and show sound rows.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <tuple>

#include "support/coarse_clock_folder.h"
#include "support/list_folder.h"
#include "support/loaded_game.h"
#include "words/file_stamp.h"
#include "words/word_search.h"

namespace escartinol {
namespace {

namespace fs = std::filesystem;
using testing::CListFolder;
using Lists = std::map<int, std::string>;
using namespace std::string_literals;

// In place of a list's bytes: no file, a folder, or a named pipe (which would block a plain open for ever).
const std::string kGone = "<gone>", kFolder = "<folder>", kPipe = "<pipe>";

// Writes each list in place, keeping its file, or puts what a marker names there.
void Put(const CListFolder& folder, const Lists& lists) {
    for (const auto& [n, bytes] : lists) {
        if (bytes.starts_with('<')) fs::remove(folder.File(n));
        if (bytes == kFolder) fs::create_directory(folder.File(n));
        if (bytes == kPipe) ::mkfifo(folder.File(n).c_str(), 0600);
        if (!bytes.starts_with('<')) folder.Write(n, bytes);
    }
}

// The search alone over lists already loaded; fewer than nine letters leave zero bytes behind them.
SearchResult Search(CWordLists& lists, const std::string& letters) {
    std::array<char, 9> nine{};
    std::copy_n(letters.begin(), std::min<std::size_t>(letters.size(), nine.size()), nine.begin());
    return CWordSearch(lists).SearchWords(nine);
}

// A game started over these lists, once entry is typed: the lists it said it could not read, then
// each row as its count and its words.
std::string Shown(const Lists& lists, const std::string& entry, ListHolding holding) {
    CListFolder folder;  // every list starts empty
    Put(folder, lists);
    // Lists written within a clock tick of the load are indexed again at the first search, as still changing.
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    ::testing::internal::CaptureStderr();
    testing::LoadedGame run(folder.Dir(), 9u, holding);
    const std::string told = ::testing::internal::GetCapturedStderr();
    std::string shown;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n)
        if (told.find(folder.File(n)) != std::string::npos) shown += std::to_string(n) + "L unread, ";
    run.Enter(entry);
    for (int row = 0; row < kRowCount; ++row) {
        const std::string& label = run.window.rowText[row];
        shown += label.substr(0, label.find(' ')) + " " + run.game.RowWords()[row] + "|";
    }
    return shown;
}

// Lists written on other systems, damaged or unreadable, read once, indexed or searched as they stand:
// what the rows show, and which lists the player is told were not read (each costs only its own length).
TEST(ListBytes, OddListsShowWhatTheirLinesHold) {
    // A megabyte line neither hangs the load nor hides the line after it: shown are its key, 49 whole
    // words and a cut "aaa" (253 characters). 0x1A ends a list even in the first piece read of a long one.
    std::string megabyte = "AAAA", cut = "51 4 LETRAS:  ", hidden, dense;
    while (megabyte.size() + 5 <= 1 << 20) megabyte += "/aaaa";
    megabyte.resize(1 << 20, 'a');
    for (int word = 0; word < 49; ++word) cut += "aaaa  ";
    while (hidden.size() < (1 << 20)) hidden += "ABDE/abde\r\n";
    for (int line = 0; line < 20; ++line) dense += "AAA\n";  // denser than the index allots room for
    const std::tuple<Lists, const char*, std::string> cases[] = {
        {{{9, kGone}, {8, kFolder}, {7, "AEILNRT/ralenti\r\n"}, {6, kPipe}, {4, "AEIL/aile\r\n"}},
         "TOLERIANS",
         "9L unread, 8L unread, 6L unread, 1 7 LETRAS:  ralenti  |1 4 LETRAS:  aile  | |"},
        // Bare LF reads like CR LF; bare CR leaves one long line, cut by length so the CRs fall between words.
        {{{6, "AEINST/tisane\r\n"}, {5, "AEILS/ailes\nEINST/inset\n"}, {4, "AEIL/aile\rAILS/lias\rEINT/tien"}},
         "TOLERIANS",
         "1 6 LETRAS:  tisane  |2 5 LETRAS:  ailes  inset  |3 4 LETRAS:  aile  lias  tien  |"},
        {{{4, megabyte + "\r\nAABC/abca\r\n"}}, "AAAABCQQQ", cut + "aaa  abca  | | |"},
        // Zero bytes are data; 0x1A ends the list mid-word.
        {{{4, "AB\0D/ab\0d\r\nABCD/ab\0c/abcd\r\nABCE/ab\032ce\r\n"s + hidden}},
         "ABCDEQQQQ",
         "3 4 LETRAS:  ab\0c  abcd  ab  | | |"s},
        // Binary search over a list out of order misses keys, but never shows a line twice or loops.
        {{{4, "ABCD/abcd\r\nABCD/dcba\r\nABCE/abce\r\n"},
          {5, "ZZZZZ/zzzzz\r\nABCDE/abcde\r\nABCDF/abcdf\r\nABCDG/abcdg\r\n"}},
         "ABCDEFGQQ",
         "2 5 LETRAS:  abcdf  abcdg  |2 4 LETRAS:  abcd  abce  | |"},
        // Lines too short for a key, or without its '/', a last line ended by CR alone.
        {{{8, dense + "ABCDEFGH/abcdefgh\r\n"}, {4, "AB\r\nABC\r\nABCD\r\nABCE/abce\r"}},
         "ABCDEFGHQ",
         "1 8 LETRAS:  abcdefgh  |1 4 LETRAS:  abce\r  | |"},
    };
    for (const ListHolding holding : {ListHolding::kIndexed, ListHolding::kMapped})
        for (const auto& [lists, entry, shown] : cases) EXPECT_EQ(Shown(lists, entry, holding), shown) << entry;
}

// A list changed while the game runs must be searched as a fresh start searches it, never read at the
// offsets of the load, whether the lists are indexed or mapped.
TEST(ListChangedAfterIndexing, TheSearchShowsWhatAFreshStartShows) {
    const std::string nine = "AEILNORST/relations\r\n", nineU = "EILNORSTU/...\r\n", six = "AEINST/tisane\r\n";
    const std::string seven = "AEILNRT/ralenti\r\n", sevenS = "AILNORS/lorains\r\nEILNOST/...\r\n";
    const std::pair<const char*, Lists> edits[] = {
        {"lines inserted before", {{9, "AABBCCDDE/aabbccdde\r\n" + nine + nineU}, {7, "AEILNOR/...\r\n" + seven}}},
        {"first lines removed", {{9, nineU}, {7, sevenS}}},
        {"a word added to the key's line",
         {{9, "AEILNORST/relations/talerions\r\n" + nineU}, {7, "AEILNRT/ralenti/reliant\r\n" + sevenS}}},
        {"a key added", {{7, seven + "AEILORS/...\r\n" + sevenS}}},
        {"a list cut inside its last line", {{6, six + "EILNST/lis"}}},
        {"lists cut at a line's end or made folders", {{6, six}, {7, kFolder}}},
        {"lists removed", {{9, kGone}, {6, kGone}}},
        {"a list made after the load", {{8, "AEILNORT/...\r\n"}}},
    };
    for (const ListHolding holding : {ListHolding::kIndexed, ListHolding::kMapped}) {
        for (const auto& [edit, lists] : edits) {
            CListFolder folder;
            Put(folder, {{9, nine + nineU}, {7, seven + sevenS}, {6, six + "EILNST/lisent\r\n"}, {8, kGone}});
            CWordLists running(folder.Dir(), holding), fresh(folder.Dir());
            running.LoadWordLists();
            const auto before = Search(running, "TOLERIANS").rows;
            Put(folder, lists);
            fresh.LoadWordLists();
            EXPECT_NE(Search(fresh, "TOLERIANS").rows, before) << edit;
            EXPECT_EQ(Search(running, "TOLERIANS").rows, Search(fresh, "TOLERIANS").rows) << edit;
        }
    }
}

// Where times are whole seconds, a list rewritten in place twice within one second has the same
// stamp after both writes: what the game read between them (here a key line half rewritten, as a
// reader finds a file in the middle of its writing) must be read again, or the key stays hidden.
TEST(ListChangedAfterIndexing, AListReadBetweenTwoWritesOfOneSecondIsReadAgainAfterThem) {
    testing::CCoarseClockFolder coarse;
    if (!coarse.Skipped().empty()) GTEST_SKIP() << coarse.Skipped();
    const std::string path = coarse.Dir() + "/" + ListFileName(4);
    std::ofstream(path) << "AAAA/aaaa\r\nBBBB/bbbb\r\nCCCC/cccc\r\n";
    // Last written long ago, so that the first write below changes the stamp.
    const timespec hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), hourAgo, 0), 0);
    CWordLists lists(coarse.Dir());
    lists.LoadWordLists();
    const int fd = ::open(path.c_str(), O_WRONLY);
    ASSERT_EQ(::pwrite(fd, "B?BB", 4, 11), 4);
    lists.RefreshList(4);
    const auto halfWritten = StampOfPath(path);
    ASSERT_EQ(::pwrite(fd, "BBBB", 4, 11), 4);
    ::close(fd);
    if (StampOfPath(path) != halfWritten) GTEST_SKIP() << "a second began between the writes";
    lists.RefreshList(4);
    EXPECT_GE(lists.FindListKey(4, "BBBB"), 0);
}

// What the entry box lets through unchecked: none of it may reach a tile image or the rows.
TEST(RefusedLetters, ARefusedEntryChangesNoTileNorRow) {
    const CListFolder folder{{7, {"AEILNRT/ralenti"}}};
    testing::LoadedGame run(folder.Dir());
    run.Enter("TOLERIANS");
    const auto rows = run.window.rowText;
    ASSERT_EQ(rows[0].substr(0, 2), "1 ");
    for (const std::string& entry : {""s, "TOLERIAN"s, "TOLER ANS"s, "TOLER1ANS"s, "TOLER\311ANS"s, "tolerians"s,
                                     "\xFF\x80\xC0\xE9\xE8\xF2\xFF\x80\xC0"s, "TOLER\0ANS"s, "TOL\0"s}) {
        run.Enter(entry);
        EXPECT_EQ(run.window.TileLetters(), "AEILNORST") << entry;
        EXPECT_EQ(run.window.rowText, rows) << entry;
    }
}

}  // namespace
}  // namespace escartinol
