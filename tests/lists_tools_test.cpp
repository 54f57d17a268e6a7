// escartinol-lists as a player runs it: check, add and remove, and update and reset of the player's copy.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/list_folder.h"
#include "support/run_command.h"

#define EXPECT_SAYS(out, part) EXPECT_NE((out).find(part), std::string::npos) << (out)

namespace escartinol {
namespace {

namespace fs = std::filesystem;
using testing::ReadFile;
using testing::RunCommand;

// A player with a home, French lists installed, in a folder of lists, with POSIXLY_CORRECT as some have it.
class ListsCommand : public ::testing::Test {
protected:
    ListsCommand() { fs::create_directories(installed); }
    testing::Outcome Lists(const std::string& args, const std::string& from = "") const {
        return RunCommand("cd " + (from.empty() ? dir : from) + " && POSIXLY_CORRECT=1 XDG_DATA_HOME=" + dir +
                              "/home XDG_DATA_DIRS=" + dir + "/share " + ESCARTINOL_LISTS + " " + args,
                          "&1");
    }
    void Install(std::initializer_list<std::pair<int, std::string>> lists) const {
        for (const auto& [n, bytes] : lists) std::ofstream(installed + "/" + ListFileName(n)) << bytes;
    }
    std::string Copy(int n) const { return ReadFile(copy + "/" + ListFileName(n)); }
    bool ToldOfNewLists() const { return Lists("check --lang fr").out.find("update takes") != std::string::npos; }

    testing::CListFolder here;
    const std::string dir = here.Dir(), installed = dir + "/share/escartinol/lists/fr";
    const std::string copy = dir + "/home/escartinol/lists/fr", record = copy + "/escartinol-words.txt";
};

TEST_F(ListsCommand, CheckNamesEachBreakByFileAndLine) {
    std::string lfOnly;
    for (char c = 'A'; c <= 'Y'; ++c) lfOnly += std::string(4, c) + "/" + std::string(4, c + 32) + "\n";
    here.Write(4, lfOnly);
    here.WriteLines(5, {"CEHIN/chien/niche", "CEHIN/chine", "EEST/\xE9t\xE9s"});
    here.Write(8, "ABCDEFGH/" + std::string(1 << 20, 'a') + "\r\n");
    fs::remove(here.File(9));
    const auto broken = Lists("check " + dir);
    EXPECT_EQ(broken.status, 1);
    const auto at = [&](int n, const std::string& rest) { return here.File(n) + rest + "\n"; };
    for (const std::string& line :
         {at(9, ": cannot be opened: No such file or directory"), at(5, ":2: key is already on line 1: \"CEHIN\""),
          at(5, ":3: word has 4 letters, not 5: \"\xC3\xA9t\xC3\xA9s\""),
          at(4, ": 5 more line ends other than CR LF not shown"),
          at(4, ":20: line ends with LF alone, not CR LF: \"TTTT/tttt\""),
          at(8, ":1: line has 1048585 characters, over 253: \"ABCDEFGH/" + std::string(71, 'a') + "...\""),
          std::string("9L: unreadable; 8L: 1 line, 1 word;"), "; 31 breaks in " + dir + "\n"})
        EXPECT_SAYS(broken.out, line);
    EXPECT_EQ(broken.out.find(here.File(4) + ":21:"), std::string::npos);
}

// A list saved as UTF-8 is named in one line, not a break per accent; what is quoted is escaped.
TEST_F(ListsCommand, CheckFixConvertsAListSavedAsUtf8) {
    here.Write(6, std::string("\xEF\xBB\xBF") + "ACELST/c\xC3\xA8l\x1B[2Jsat\nACNORS/cranos\n");
    const auto named = Lists("check " + dir);
    EXPECT_EQ(named.status, 1);
    const std::string shown = "\"c\xC3\xA8l\\x1B[2Jsat\" as \"c\xC3\x83\xC2\xA8l\\x1B[2Jsat\"";
    EXPECT_SAYS(named.out, shown + "; escartinol-lists check --fix " + dir + " converts it\n");
    Lists("check --fix " + dir);
    EXPECT_EQ(here.Read(6), "ACELST/c\xE8l\x1B[2Jsat\nACNORS/cranos\n");
}

TEST_F(ListsCommand, CheckFixFinishesAnInterruptedEdit) {
    here.WriteLines(6, {"AEINST/tisane"});
    std::ofstream(here.File(6) + ".escartinol-new-abc123") << "AEINST/satine\r\n";
    std::ofstream(dir + "/.escartinol-lists.journal") << "escartinol-lists journal 2\nDEF_6L.txt abc123\n";
    EXPECT_EQ(Lists("check").status, 1);
    EXPECT_EQ(here.Read(6), "AEINST/tisane\r\n");
    EXPECT_EQ(Lists("check --fix").status, 0);
    EXPECT_EQ(here.Read(6), "AEINST/satine\r\n");
}

// Into a broken list (status 1), or with a word no list can hold (2): every list is left as it was.
TEST_F(ListsCommand, ARefusedEditChangesNoFile) {
    here.WriteLines(5, {"CEHIN/chien"});
    here.WriteLines(4, {"EFGH/fegh", "ABCD/abcd"});      // out of order
    std::string full = "ABCDEFGHI", word = "abcdefghi";  // 24 anagrams: 249 characters, and a 25th won't fit
    for (int i = 0; i < 24; ++i, std::next_permutation(word.begin(), word.end())) full += "/" + word;
    here.WriteLines(9, {full});
    const std::string lists = here.Read(4) + here.Read(5) + here.Read(9);
    for (const char* edit : {"add niche abcd", "remove fegh"}) EXPECT_EQ(Lists(edit).status, 1) << edit;
    const auto refused = Lists("add niche Chien \xC3\x89t\xC3\xA9s ab-cd abc abcdefghij \xE2\x82\xAC\xE4\xB8\xAD");
    for (const char* why :
         {"'Chien' has capitals", "'\xC3\x89t\xC3\xA9s' has capitals", "'ab-cd' holds '-', which is not a",
          "'abc' has 3 letters", "'abcdefghij' has 10 letters", "\xAD' holds a character that Windows"})
        EXPECT_SAYS(refused.out, why);
    EXPECT_SAYS(Lists("add niche " + word).out, "ABCDEFGHI longer than 253 characters");
    EXPECT_EQ(here.Read(4) + here.Read(5) + here.Read(9), lists);
    // Taking out every copy of a word written twice is what mends its list.
    here.WriteLines(8, {"AABBCCDD/abcdabcd/abcdabcd/dcbadcba"});
    EXPECT_EQ(Lists("remove abcdabcd").status, 0);
    EXPECT_EQ(here.Read(8), "AABBCCDD/dcbadcba\r\n");
}

// A copy freezes the installed lists, so only a change makes one; an add behind a reset makes it whole.
TEST_F(ListsCommand, OnlyAnEditThatChangesAListMakesTheCopy) {
    Install({{4, "EFGH/fegh\r\n"}, {5, "CEHIN/chien\r\n"}, {6, "AEINST/tisane\r\n"}});
    fs::create_directories(copy);
    EXPECT_EQ(Lists("add --lang fr chien").status + Lists("remove --lang fr chine").status, 0);
    EXPECT_FALSE(fs::exists(copy + "/DEF_5L.txt"));
    EXPECT_EQ(Lists("add niche \xC5\x93uvre relations --lists " + copy).status, 0);  // œuvre: the lists spell oeuvre
    EXPECT_EQ(Copy(5) + Copy(6), "CEHIN/chien/niche\r\nAEINST/tisane\r\nEEORUV/oeuvre\r\n");
    EXPECT_EQ(Copy(4), "EFGH/fegh\r\n");  // a copy is whole, or the game would read it alone
}

// A newer package reaches the player with their words, added or removed, kept in copy and record.
TEST_F(ListsCommand, UpdateKeepsThePlayersWords) {
    Install({{5, "CEHIN/chien\r\n"}, {6, "AEINST/tisane\r\n"}});
    ASSERT_EQ(Lists("add --lang fr niche talons").status, 0);
    ASSERT_EQ(Lists("remove --lang fr tisane talons").status, 0);
    Install({{5, "CEHIN/chien/chine\r\nEFOSU/oeufs\r\n"}, {6, "AEINST/tisane/satine\r\n"}});
    ASSERT_EQ(Lists("add salons", copy).status, 0);  // inside the copy, without --lists; after the package
    EXPECT_TRUE(ToldOfNewLists());
    Lists("update --lang fr");
    EXPECT_EQ(Copy(5) + Copy(6), "CEHIN/chien/chine/niche\r\nEFOSU/oeufs\r\nAEINST/satine\r\nALNOSS/salons\r\n");
    EXPECT_FALSE(ToldOfNewLists());
    Install({{4, "EFGH/fegh\r\n"}});
    EXPECT_TRUE(ToldOfNewLists());
    Install({{5, "CEHIN/niche\r\n"}});
    EXPECT_SAYS(Lists("update --lang fr").out, "hold these words of yours: niche\n");
    // A reset that cannot remove one file removes none.
    RunCommand("rm " + copy + "/DEF_7L.txt && mkdir " + copy + "/DEF_7L.txt");
    Lists("reset --lang fr");
    EXPECT_EQ(Copy(5), "CEHIN/niche\r\n");
    fs::remove(copy + "/DEF_7L.txt");
    const std::string reset = Lists("reset --lang fr").out;
    EXPECT_SAYS(reset, "to add them again: escartinol-lists add niche salons\n");
    EXPECT_SAYS(reset, "to remove them again: escartinol-lists remove talons tisane\n");
    EXPECT_FALSE(fs::exists(copy + "/DEF_4L.txt") || fs::exists(record));
}

// Update names the words it drops, and keeps every line of the record: read as add reads it, or as is.
TEST_F(ListsCommand, UpdateKeepsEveryLineOfARecordEditedByHand) {
    Install({{5, "CEHIN/chien\r\n"}});
    ASSERT_EQ(Lists("add --lang fr niche").status, 0);
    std::ofstream(copy + "/DEF_5L.txt", std::ios::binary) << "CEHIN/chien/chine/niche\r\n";
    std::ofstream(record, std::ios::app) << "+talons \r\n+ce\xCC\x80lsat\r\n# mine\nnot a word\n";
    EXPECT_SAYS(Lists("update --lang fr").out, "escartinol-lists add chine");
    EXPECT_EQ(Copy(6), "ACELST/c\xE8lsat\r\nALNOST/talons\r\n");
    EXPECT_SAYS(ReadFile(record), "\n+niche\n+talons\n+c\xC3\xA8lsat\n# mine\nnot a word\n");
    fs::resize_file(record, 9 << 20);
    const auto huge = Lists("add --lang fr satine");
    EXPECT_EQ(huge.out.find('\n'), huge.out.size() - 1) << huge.out;
    EXPECT_EQ(fs::file_size(record), 9u << 20);
}

// Before records, the copy's own words are the player's; a newer package may carry older build times.
TEST_F(ListsCommand, ACopyWithoutARecordKeepsTheWordsOnlyItHolds) {
    fs::create_directories(copy);
    std::ofstream(copy + "/DEF_5L.txt", std::ios::binary) << "CEHIN/chine/niche\r\n";
    Install({{5, "CEHIN/chien/chine\r\n"}});
    RunCommand("touch -d 2005-01-01 " + copy + "/DEF_5L.txt; touch -d 2001-01-01 " + installed + "/DEF_5L.txt");
    EXPECT_TRUE(ToldOfNewLists());
    Lists("update --lang fr");
    EXPECT_EQ(Copy(5), "CEHIN/chien/chine/niche\r\n");
    fs::remove(record);
    EXPECT_SAYS(Lists("reset --lang fr").out, "escartinol-lists add niche\n");
}

}  // namespace
}  // namespace escartinol
