// escartinol-lists check, add and remove as a player runs them, and the game reading the result.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "game/game.h"
#include "support/list_folder.h"
#include "support/recording_window.h"
#include "support/run_command.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using testing::RunCommand;

const std::string kLists = ESCARTINOL_LISTS;

// Whether the search shows word among those of TOLERIANS.
bool GameFinds(const std::string& dir, const std::string& word) {
    testing::CRecordingWindow window;
    CGame game(window, dir);
    // Loaded with no letters drawn, the rows hold only what the entry finds.
    game.LoadLists();
    game.ApplyLetterEntry(std::string("TOLERIANS"));
    const auto& words = game.RowWords();
    return (words[0] + " " + words[1] + " " + words[2] + " ").find(" " + word + " ") != std::string::npos;
}

TEST(ListsCheck, ASoundFolderPassesWithItsCountsAndABrokenOneIsShownLineByLine) {
    CListFolder folder;
    folder.WriteLines(5, {"CEHIN/chien/niche", "EFOSU/oeufs"});
    const auto sound = RunCommand(kLists + " check " + folder.Dir());
    EXPECT_EQ(sound.status, 0);
    EXPECT_EQ(sound.out,
              "9L: 0 lines, 0 words; 8L: 0 lines, 0 words; 7L: 0 lines, 0 words; 6L: 0 lines, 0 words; "
              "5L: 2 lines, 3 words; 4L: 0 lines, 0 words; sound\n");

    std::string lfOnly;
    for (char c = 'A'; c <= 'Y'; ++c) lfOnly += std::string(4, c) + "/" + std::string(4, c + 32) + "\n";
    folder.Write(4, lfOnly);
    folder.WriteLines(5, {"CEHIN/chien/niche", "CEHIN/chine", "EEST/\xE9t\xE9s"});
    std::filesystem::remove(folder.File(9));
    const auto checked = RunCommand(kLists + " check " + folder.Dir());
    EXPECT_EQ(checked.status, 1);
    const std::string five = folder.File(5);
    const std::string four = folder.File(4);
    EXPECT_NE(checked.out.find(folder.File(9) + ": cannot be opened: No such file or directory\n"), std::string::npos);
    // The text comes out as UTF-8 on the terminal.
    EXPECT_NE(checked.out.find(five + ":3: word has 4 letters, not 5: \"\xC3\xA9t\xC3\xA9s\"\n"), std::string::npos);
    EXPECT_NE(checked.out.find(four + ":20: line ends with LF alone, not CR LF: \"TTTT/tttt\"\n"), std::string::npos);
    EXPECT_EQ(checked.out.find(four + ":21:"), std::string::npos);
    EXPECT_NE(checked.out.find(four + ": 5 more line ends other than CR LF not shown\n"), std::string::npos);
    EXPECT_NE(checked.out.find("9L: unreadable;"), std::string::npos);
    EXPECT_NE(checked.out.find("; 29 breaks\n"), std::string::npos);

    EXPECT_EQ(RunCommand(kLists + " check " + folder.Dir() + "/absent").status, 2);
}

// The edited list replaces the old one whole, and must keep the mode its owner gave it.
TEST(ListsEdit, TheGameFindsAnAddedWordAndNoLongerARemovedOneAndTheListsKeepTheirMode) {
    namespace fs = std::filesystem;
    CListFolder folder;
    folder.WriteLines(9, {"AEILNORST/relations"});
    folder.WriteLines(6, {"AEINST/tisane"});
    fs::permissions(folder.File(9), fs::perms{0640});
    const std::string add = kLists + " add --lists " + folder.Dir();
    EXPECT_EQ(RunCommand(add + " satine talerions \xC5\x93uvre").status, 0);  // œuvre is spelt oeuvre
    EXPECT_EQ(folder.Read(9), "AEILNORST/relations/talerions\r\n");
    EXPECT_EQ(folder.Read(6), "AEINST/tisane/satine\r\nEEORUV/oeuvre\r\n");
    const auto again = RunCommand(add + " satine");
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.out, "'satine' is already in " + folder.File(6) + "; left alone\n");

    EXPECT_EQ(RunCommand(kLists + " remove --lists " + folder.Dir() + " relations tisane").status, 0);
    const std::pair<const char*, bool> found[] = {
        {"relations", false}, {"tisane", false}, {"talerions", true}, {"satine", true}};
    for (const auto& [word, shown] : found) EXPECT_EQ(GameFinds(folder.Dir(), word), shown) << word;
    EXPECT_EQ(RunCommand(kLists + " check " + folder.Dir()).status, 0);
    EXPECT_EQ(static_cast<unsigned>(fs::status(folder.File(9)).permissions()), 0640u);
}

TEST(ListsEdit, ABrokenListABadWordOrAFullLineChangesNoFileAtAll) {
    CListFolder folder;
    folder.WriteLines(5, {"CEHIN/chien"});
    folder.WriteLines(4, {"EFGH/fegh", "ABCD/abcd"});  // out of order
    // 24 anagrams fill the line to 249 characters; a 25th would take it past 253.
    std::string full = "ABCDEFGHI";
    std::string word = "abcdefghi";
    for (int i = 0; i < 24; ++i, std::next_permutation(word.begin(), word.end())) full += "/" + word;
    folder.WriteLines(9, {full});
    const std::string add = kLists + " add --lists " + folder.Dir();
    // Sound words into a broken list (status 1), then among sound ones a word cp1252 cannot spell,
    // or one its line cannot hold (status 2).
    const std::pair<std::string, int> attempts[] = {
        {"niche abcd", 1}, {"niche \xE2\x82\xAC\xE4\xB8\xAD", 2}, {"niche " + word, 2}};
    for (const auto& [words, status] : attempts) {
        EXPECT_EQ(RunCommand(add + " " + words).status, status) << words;
        EXPECT_EQ(folder.Read(5), "CEHIN/chien\r\n") << words;
        EXPECT_EQ(folder.Read(4), "EFGH/fegh\r\nABCD/abcd\r\n") << words;
        EXPECT_EQ(folder.Read(9), full + "\r\n") << words;
    }
    EXPECT_EQ(RunCommand(kLists + " remove --lists " + folder.Dir() + " fegh").status, 1);
}

// Editors started together on one folder take turns: every word that one of them reports added
// is in the list afterwards. The list is large enough that edits without turns would overlap.
TEST(ListsEdit, EditorsRunningAtOnceLoseNoWordTheyReportAdded) {
    CListFolder folder;
    std::string list;
    std::string key(9, 'A');
    for (int line = 0; line < 40000; ++line) {
        std::string word = key;
        for (char& c : word) c = static_cast<char>(c + 32);
        list += key + "/" + word + "\r\n";
        // The next nine letters in alphabetical order, as keys are sorted.
        int at = 8;
        while (key[at] == 'Z') --at;
        ++key[at];
        std::fill(key.begin() + at + 1, key.end(), key[at]);
    }
    folder.Write(9, list);
    const std::vector<std::string> words = {"baaaaaaaa", "aabaaaaaa", "abcdefghi", "jklmnopqr",
                                            "stuvwxyza", "mmmmmmmmm", "zyxwvutsr", "zzzzzzzzz"};
    std::string editors;
    for (const std::string& word : words) editors += kLists + " add --lists " + folder.Dir() + " " + word + " & ";
    const std::string reported = RunCommand("{ " + editors + "wait; }").out;
    const std::string after = folder.Read(9);
    for (const std::string& word : words) {
        EXPECT_NE(reported.find("added '" + word + "'"), std::string::npos) << word;
        EXPECT_TRUE(after.find("/" + word + "/") != std::string::npos ||
                    after.find("/" + word + "\r") != std::string::npos)
            << word;
    }
}

// The file size limit makes the write stop part way: killed first, then with the signal ignored.
TEST(ListsEdit, AWriteThatStopsHalfWayLeavesTheOldListWhole) {
    CListFolder folder;
    std::string list;
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = a; b <= 'Z'; ++b)
            list += std::string(3, a) + b + "/" + std::string(3, a + 32) + char(b + 32) + "\r\n";
    folder.Write(4, list);
    const std::string add = kLists + " add --lists " + folder.Dir() + " yzzz";
    EXPECT_EQ(RunCommand("ulimit -f 1; exec " + add).status, -1);
    EXPECT_EQ(folder.Read(4), list);

    for (const auto& entry : std::filesystem::directory_iterator(folder.Dir()))
        if (entry.path().string().starts_with(folder.File(4) + ".")) std::filesystem::remove(entry.path());
    EXPECT_EQ(RunCommand("trap '' XFSZ; ulimit -f 1; exec " + add).status, 2);
    EXPECT_EQ(folder.Read(4), list);
    // Nothing is left beside the lists but the editors' lock file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Dir()), {}), kListCount + 1);
}

}  // namespace
}  // namespace escartinol
