// escartinol-lists check, add and remove as a player runs them, and the game reading the result.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/list_folder.h"
#include "support/run_command.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using testing::RunCommand;

const std::string kLists = ESCARTINOL_LISTS;
const std::string kSolve = ESCARTINOL_SOLVE;

// Whether the game's search, run by the solver, shows word among those of TOLERIANS.
bool GameFinds(const std::string& dir, const std::string& word) {
    std::string rows = RunCommand(kSolve + " --lists " + dir + " --rows TOLERIANS").out;
    std::replace(rows.begin(), rows.end(), '\n', ' ');
    return rows.find(" " + word + " ") != std::string::npos;
}

// A player started in a folder that holds lists (the test's own), with a home of their own and
// the French lists installed in a data folder of the system.
struct PlayerFolders {
    CListFolder here;
    std::string installed = here.Dir() + "/share/escartinol/lists/fr";
    std::string copy = here.Dir() + "/home/escartinol/lists/fr";
    std::string tool = "env XDG_DATA_HOME=" + here.Dir() + "/home XDG_DATA_DIRS=" + here.Dir() + "/share " + kLists;
    std::string lists = "cd " + here.Dir() + " && " + tool;

    PlayerFolders() { std::filesystem::create_directories(installed); }
    void Install(int n, const std::string& bytes) const {
        std::ofstream(installed + "/" + ListFileName(n), std::ios::binary) << bytes;
    }
    std::string ReadCopy(int n) const {
        std::ifstream in(copy + "/" + ListFileName(n), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST(ListsCheck, ABrokenFolderIsShownLineByLine) {
    CListFolder folder;
    folder.WriteLines(5, {"CEHIN/chien/niche", "EFOSU/oeufs"});
    const auto sound = RunCommand("cd " + folder.Dir() + " && " + kLists + " check");
    EXPECT_EQ(sound.status, 0);
    EXPECT_NE(sound.out.find("5L: 2 lines, 3 words; 4L: 0 lines"), std::string::npos) << sound.out;

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
    EXPECT_NE(checked.out.find("; 29 breaks in " + folder.Dir() + "\n"), std::string::npos);

    EXPECT_EQ(RunCommand(kLists + " check " + folder.Dir() + "/absent").status, 2);
}

// A text editor that saves UTF-8 turns each accent into two characters for the game: one line says so
// instead of a break per accent, and --fix gives back the list the game reads.
TEST(ListsCheck, FixConvertsAListSavedAsUtf8) {
    CListFolder folder;
    // With LF line ends too, the word named is the word alone.
    folder.Write(6, "ACELST/c\xC3\xA8lsat\nACNORS/cranos\n");
    EXPECT_NE(RunCommand(kLists + " check " + folder.Dir()).out.find("\"c\xC3\xA8lsat\" as"), std::string::npos);
    folder.WriteLines(6, {"ACELST/c\xC3\xA8lsat", "ACNORS/cranos"});
    const auto named = RunCommand(kLists + " check " + folder.Dir());
    EXPECT_EQ(named.status, 1);
    EXPECT_EQ(named.out.find(folder.File(6) + ": written in UTF-8, where the game reads Windows-1252 and shows "
                                              "\"c\xC3\xA8lsat\" as \"c\xC3\x83\xC2\xA8lsat\""),
              0u);
    EXPECT_EQ(RunCommand(kLists + " check --fix " + folder.Dir()).status, 0);
    EXPECT_EQ(folder.Read(6), "ACELST/c\xE8lsat\r\nACNORS/cranos\r\n");

    // The byte order mark some editors write goes with the conversion; what is quoted is escaped.
    folder.Write(6,
                 "\xEF\xBB\xBF"
                 "ACELST/c\xC3\xA8l\x1B[2Jsat\r\n");
    const auto marked = RunCommand(kLists + " check " + folder.Dir());
    EXPECT_EQ(marked.status, 1);
    EXPECT_EQ(marked.out.find('\x1B'), std::string::npos);
    EXPECT_NE(marked.out.find("\\x1B[2J"), std::string::npos);
    folder.Write(6,
                 "\xEF\xBB\xBF"
                 "ACELST/c\xC3\xA8lsat\r\n");
    EXPECT_EQ(RunCommand(kLists + " check --fix " + folder.Dir()).status, 0);
    EXPECT_EQ(folder.Read(6), "ACELST/c\xE8lsat\r\n");
}

// A folder left mid-edit is no sound folder, until an edit (or --fix) finishes what was stopped.
TEST(ListsCheck, FixFinishesAnInterruptedEdit) {
    CListFolder folder;
    folder.WriteLines(6, {"AEINST/tisane"});
    std::ofstream(folder.File(6) + ".escartinol-new-abc123") << "AEINST/satine\r\n";
    std::ofstream(folder.Dir() + "/.escartinol-lists.journal") << "escartinol-lists journal 2\n"
                                                               << ListFileName(6) << " abc123\n";
    EXPECT_EQ(RunCommand(kLists + " check " + folder.Dir()).status, 1);
    EXPECT_EQ(folder.Read(6), "AEINST/tisane\r\n");
    EXPECT_EQ(RunCommand(kLists + " check --fix " + folder.Dir()).status, 0);
    EXPECT_EQ(folder.Read(6), "AEINST/satine\r\n");
}

// The edited list replaces the old one whole, and must keep the mode its owner gave it.
TEST(ListsEdit, TheGameShowsTheEditedWords) {
    namespace fs = std::filesystem;
    CListFolder folder;
    folder.WriteLines(9, {"AEILNORST/relations"});
    folder.WriteLines(6, {"AEINST/tisane"});
    fs::permissions(folder.File(9), fs::perms{0640});
    const std::string add = kLists + " add --lists " + folder.Dir();
    // œuvre is spelt oeuvre; cèlsat comes as a letter and a combining grave accent, as some keyboards
    // type it. Options after the words count, even where POSIXLY_CORRECT would stop at the first word.
    EXPECT_EQ(RunCommand("POSIXLY_CORRECT=1 " + kLists + " add satine talerions \xC5\x93uvre ce\xCC\x80lsat --lists " +
                         folder.Dir())
                  .status,
              0);
    EXPECT_EQ(folder.Read(9), "AEILNORST/relations/talerions\r\n");
    EXPECT_EQ(folder.Read(6), "ACELST/c\xE8lsat\r\nAEINST/tisane/satine\r\nEEORUV/oeuvre\r\n");
    EXPECT_NE(RunCommand(add + " satine").out.find("'satine' is already in"), std::string::npos);

    EXPECT_EQ(RunCommand(kLists + " remove --lists " + folder.Dir() + " relations tisane").status, 0);
    const std::pair<const char*, bool> found[] = {
        {"relations", false}, {"tisane", false}, {"talerions", true}, {"satine", true}};
    for (const auto& [word, shown] : found) EXPECT_EQ(GameFinds(folder.Dir(), word), shown) << word;
    EXPECT_EQ(RunCommand(kLists + " check " + folder.Dir()).status, 0);
    EXPECT_EQ(static_cast<unsigned>(fs::status(folder.File(9)).permissions()), 0640u);
}

// A copy freezes the installed lists for that player, so an edit that changes nothing must not make one;
// an add that waited behind a reset finds the copy emptied, and makes it whole again, not of one list.
TEST(PlayerCopy, OnlyAnEditThatChangesAListCopiesTheInstalledLists) {
    PlayerFolders player;
    player.Install(5, "CEHIN/chien\r\n");
    player.Install(6, "AEINST/tisane\r\n");
    std::filesystem::create_directories(player.copy);
    for (const char* edit : {" add --lang fr chien", " remove --lang fr chine"}) {
        EXPECT_EQ(RunCommand(player.lists + edit).status, 0) << edit;
        EXPECT_FALSE(std::filesystem::exists(player.copy + "/DEF_5L.txt")) << edit;
    }
    EXPECT_EQ(RunCommand(player.lists + " add --lists " + player.copy + " niche").status, 0);
    EXPECT_EQ(player.ReadCopy(5), "CEHIN/chien/niche\r\n");
    EXPECT_EQ(player.ReadCopy(6), "AEINST/tisane\r\n");
}

// A newer package must reach a player who added words, with every word of theirs kept: those the new
// lists lack put back, those the player removed taken out again, and one the new lists hold kept
// in the record for a later package that may drop it.
TEST(PlayerCopy, UpdateKeepsThePlayersWords) {
    PlayerFolders player;
    player.Install(5, "CEHIN/chien\r\n");
    player.Install(6, "AEINST/tisane\r\n");
    ASSERT_EQ(RunCommand(player.lists + " add --lang fr niche talons").status, 0);
    ASSERT_EQ(RunCommand(player.lists + " remove --lang fr tisane talons").status, 0);
    // Run inside the copy, without --lists, add still records the word.
    ASSERT_EQ(RunCommand("cd " + player.copy + " && " + player.tool + " add salons").status, 0);
    // A record saved back by a text editor of another system keeps its words.
    RunCommand("sed -i 's/$/\\r/' " + player.copy + "/escartinol-words.txt");
    const std::string check = player.lists + " check --lang fr";
    const std::string notice = "; escartinol-lists update takes them in";
    EXPECT_EQ(RunCommand(check, "&1").out.find(notice), std::string::npos);

    player.Install(5, "CEHIN/chien/chine\r\nEFOSU/oeufs\r\n");
    player.Install(6, "AEINST/tisane/satine\r\n");
    EXPECT_NE(RunCommand(check, "&1").out.find(notice), std::string::npos);
    EXPECT_EQ(RunCommand(player.lists + " update --lang fr").status, 0);
    EXPECT_EQ(player.ReadCopy(5), "CEHIN/chien/chine/niche\r\nEFOSU/oeufs\r\n");
    EXPECT_EQ(player.ReadCopy(6), "AEINST/satine\r\nALNOSS/salons\r\n");
    EXPECT_EQ(RunCommand(check, "&1").out.find(notice), std::string::npos);
    player.Install(4, "EFGH/fegh\r\n");
    EXPECT_NE(RunCommand(check, "&1").out.find(notice), std::string::npos);

    player.Install(5, "CEHIN/niche\r\n");
    EXPECT_NE(RunCommand(player.lists + " update --lang fr").out.find("hold these words of yours: niche\n"),
              std::string::npos);
    player.Install(5, "CEHIN/chine\r\n");
    ASSERT_EQ(RunCommand(player.lists + " update --lang fr").status, 0);
    EXPECT_EQ(player.ReadCopy(5), "CEHIN/chine/niche\r\n");

    // A reset that cannot remove one file removes none.
    std::filesystem::remove(player.copy + "/DEF_7L.txt");
    std::filesystem::create_directory(player.copy + "/DEF_7L.txt");
    EXPECT_EQ(RunCommand(player.lists + " reset --lang fr").status, 2);
    EXPECT_EQ(player.ReadCopy(5), "CEHIN/chine/niche\r\n");
    std::filesystem::remove(player.copy + "/DEF_7L.txt");
    const auto reset = RunCommand(player.lists + " reset --lang fr");
    EXPECT_EQ(reset.status, 0);
    EXPECT_NE(reset.out.find("to add them again: escartinol-lists add niche salons\n"), std::string::npos);
    EXPECT_NE(reset.out.find("to remove them again: escartinol-lists remove talons tisane\n"), std::string::npos);
    for (const char* file : {"DEF_4L.txt", "DEF_9L.txt", "escartinol-words.txt"})
        EXPECT_FALSE(std::filesystem::exists(player.copy + "/" + file)) << file;
}

// A player edits the copy and the record by hand: update names every word that would go, and keeps
// every line of the record, read as add reads a word or, failing that, as it stands.
TEST(PlayerCopy, UpdateKeepsEveryLineOfARecordEditedByHand) {
    PlayerFolders player;
    player.Install(5, "CEHIN/chien\r\n");
    ASSERT_EQ(RunCommand(player.lists + " add --lang fr niche").status, 0);
    std::ofstream(player.copy + "/DEF_5L.txt", std::ios::binary) << "CEHIN/chien/chine/niche\r\n";
    const std::string record = player.copy + "/escartinol-words.txt";
    std::ofstream(record, std::ios::app) << "+talons \n+ce\xCC\x80lsat\n# mine\nnot a word\n";
    RunCommand("sed -i '1s/^/\\xEF\\xBB\\xBF/' " + record);
    const auto update = RunCommand(player.lists + " update --lang fr", "&1");
    EXPECT_EQ(update.status, 0);
    EXPECT_NE(update.out.find("escartinol-lists add chine"), std::string::npos) << update.out;
    EXPECT_EQ(player.ReadCopy(6), "ACELST/c\xE8lsat\r\nALNOST/talons\r\n");
    std::ifstream in(record);
    const std::string kept(std::istreambuf_iterator<char>(in), {});
    for (const char* line : {"\n+niche\n", "\n+talons\n", "\n# mine\n", "\nnot a word\n"})
        EXPECT_NE(kept.find(line), std::string::npos) << line;
    // A record no player could have written is refused whole, unread, and left as it is.
    std::filesystem::resize_file(record, 9 << 20);
    const auto huge = RunCommand(player.lists + " add --lang fr satine", "&1");
    EXPECT_EQ(huge.status, 2);
    EXPECT_EQ(huge.out.find('\n'), huge.out.size() - 1) << huge.out;
    EXPECT_EQ(std::filesystem::file_size(record), 9u << 20);
}

// A copy made before records were kept: the words it holds that the new installed lists lack are the
// player's, and only those.
TEST(PlayerCopy, ACopyWithoutARecordKeepsTheWordsOnlyItHolds) {
    PlayerFolders player;
    std::filesystem::create_directories(player.copy);
    std::ofstream(player.copy + "/DEF_5L.txt", std::ios::binary) << "CEHIN/chine/niche\r\n";
    player.Install(5, "CEHIN/chien/chine\r\n");
    // A newer package is newer even where its build kept times older than the copy.
    RunCommand("touch -d 2005-01-01 " + player.copy + "/DEF_5L.txt; touch -d 2001-01-01 " + player.installed +
               "/DEF_5L.txt");
    EXPECT_NE(RunCommand(player.lists + " check --lang fr", "&1").out.find("escartinol-lists update takes them in"),
              std::string::npos);
    EXPECT_EQ(RunCommand(player.lists + " update --lang fr").status, 0);
    EXPECT_EQ(player.ReadCopy(5), "CEHIN/chien/chine/niche\r\n");
    std::filesystem::remove(player.copy + "/escartinol-words.txt");
    EXPECT_NE(RunCommand(player.lists + " reset --lang fr").out.find("escartinol-lists add niche\n"),
              std::string::npos);
}

TEST(ListsEdit, ARefusedEditChangesNoFile) {
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

    // Taking out every copy of a word written twice is what mends its list.
    folder.WriteLines(8, {"AABBCCDD/abcdabcd/abcdabcd/dcbadcba"});
    EXPECT_EQ(RunCommand(kLists + " remove --lists " + folder.Dir() + " abcdabcd").status, 0);
    EXPECT_EQ(folder.Read(8), "AABBCCDD/dcbadcba\r\n");
}

}  // namespace
}  // namespace escartinol
