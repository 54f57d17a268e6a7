// The command-line tools as a player runs them: exit status and what they print.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "game/day_boards.h"
#include "support/list_folder.h"
#include "support/run_command.h"
#include "version.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using testing::Outcome;
using testing::RunCommand;

const std::string kSolve = ESCARTINOL_SOLVE;
const std::string kLists = ESCARTINOL_LISTS;

// A folder of lists where TOLERIANS has a word of 9, 7 and 6 letters.
struct SolverFolder : CListFolder {
    SolverFolder()
        : CListFolder({{9, {"AEILNORST/relations"}},
                       {7, {"AEILNRT/ralenti/reliant", "AILNORS/lorains"}},
                       {6, {"AEINST/tisane/satine"}}}) {}
    std::string Solve(const std::string& args) const { return kSolve + " --lists " + Dir() + " " + args; }
};

// Without --rows: the letters sorted, the labels indented, then the words. Started in the folder of the
// lists, the solver reads them as the game does; letters after "--" count.
TEST(Solver, PrintsTheSortedLettersTheLabelsAndTheWords) {
    SolverFolder folder;
    EXPECT_EQ(RunCommand("cd " + folder.Dir() + " && " + kSolve + " -- tolerians").out,
              "AEILNORST\n  1  Nòu LETRAS\n  3  Sèt LETRAS\n  2  Sièis LETRAS\n9 LETRAS:  relations\n"
              "7 LETRAS:  ralenti  reliant  lorains  \n6 LETRAS:  tisane  satine  \n");
    EXPECT_EQ(RunCommand(folder.Solve("zzzzzzzzz")).out, "ZZZZZZZZZ\n  no word of 4 to 9 letters\n");
}

// A mistyped command line is one line on standard error, naming the program, and exit status 2,
// before any list is read: an empty --lists must not fall back to the places searched, and a
// second set of letters must not be solved in place of the first.
TEST(Tools, ABadCommandLineIsRefusedInOneLine) {
    CListFolder folder;
    const std::string absent = folder.Dir() + "/absent";
    const std::string solve = kSolve + " --lists " + folder.Dir() + " ", lists = kLists + " ";
    const std::pair<std::string, std::string> refused[] = {
        {kSolve + " --lang xx TOLERIANS", "solve: unknown language 'xx'"},
        {kSolve + " --lists " + absent + " TOLERIANS", "solve: "},
        {solve + "--bogus TOLERIANS", "solve: unknown option '--bogus'"},
        {kSolve + " TOLERIANS --lists", "solve: --lists needs a value"},
        {kSolve + " --lists= TOLERIANS", "solve: --lists was given an empty value"},
        {solve + "TOLERIANS AEINSTXXX", "solve: expected one set"},
        {solve + "--rows=yes TOLERIANS", "solve: --rows takes no value"},
        {solve + std::string(70, 'A'), "solve: '" + std::string(64, 'A') + "... (70 bytes)' is not nine letters"},
        {lists + "add --lang=es mot", "lists add: unknown language 'es'"},
        {lists + "check " + absent, "lists check: "},
        {lists + "check --l " + folder.Dir(), "lists check: ambiguous option '--l'"},
        {lists + "check " + folder.Dir() + " " + folder.Dir(), "lists check: expected at most one folder"},
        // A control character typed or pasted is shown escaped, never sent to the terminal.
        {lists + "add --lists " + folder.Dir() + " \"$(printf 'mo\\033[2Jt')\"", "lists add: 'mo\\x1B[2Jt'"},
        {lists + "frobnicate", "lists: unknown command 'frobnicate'"},
        // Not into the folder it was started in, which would fill a home folder with lists.
        {"cd " + folder.Dir() + " && " + lists + "build --from /dev/null", "lists build: give the folder"}};
    for (const auto& [command, start] : refused) {
        const Outcome outcome = RunCommand("{ " + command + " 2>&1 >/dev/null; }");  // standard error only
        EXPECT_EQ(outcome.status, 2) << command;
        EXPECT_EQ(std::count(outcome.out.begin(), outcome.out.end(), '\n'), 1) << command << ": " << outcome.out;
        EXPECT_TRUE(outcome.out.starts_with("escartinol-" + start)) << command << ": " << outcome.out;
    }
    // Without a command there is nothing to do: the summary, on standard error.
    const Outcome bare = RunCommand(kLists, "&1");
    EXPECT_EQ(bare.status, 2);
    EXPECT_NE(bare.out.find("usage: escartinol-lists build"), std::string::npos);
    for (const std::string& tool : {kSolve, kLists}) {
        for (const char* version : {" --version", " -v"})
            EXPECT_NE(RunCommand(tool + version).out.find(ESCARTINOL_VERSION), std::string::npos) << tool << version;
        for (const char* help : {" --help", " -h"}) EXPECT_EQ(RunCommand(tool + help).out.find("usage: "), 0u) << help;
    }
}

// Lines the entry box would never pass reach the solver unfiltered; each is refused, named escaped
// (a long one by its start and length) and the lines around it are still solved.
TEST(Solver, ABadLineCostsNoOtherLine) {
    SolverFolder folder;
    const std::string input = folder.Dir() + "/draws.txt";
    std::vector<std::string> refused = {"TOLERIAN", "TOLER ANS", "TOLER1ANS", "TOLER\311ANS"};
    refused.insert(refused.end(), {std::string("TOLER\0ANS", 9), "TOLERIANSS", "", std::string(1 << 20, 'A')});
    std::ofstream out(input, std::ios::binary);
    out << "ZZZZZZZZZ\n";  // nine capitals without a word: six empty lines
    for (const std::string& line : refused) out << line << "\nAEINSTXXX\r\n";
    out.close();
    const Outcome solved = RunCommand(folder.Solve("--rows - < " + input));
    EXPECT_EQ(solved.status, 2);
    std::string expected(6, '\n');
    for (std::size_t i = 0; i < std::size(refused); ++i)
        expected += "2  Si\xC3\xA8is LETRAS\n\n\n6 LETRAS:  tisane  satine  \n\n\n";
    EXPECT_EQ(solved.out, expected);
    const std::string errors = RunCommand("{ " + folder.Solve("--rows - < " + input) + " 2>&1 >/dev/null; }").out;
    EXPECT_NE(errors.find("line 8: 'TOLER\\xC9ANS' is not"), std::string::npos) << errors;
    EXPECT_NE(errors.find("line 10: 'TOLER\\x00ANS' is not"), std::string::npos) << errors;
    EXPECT_NE(errors.find("line 16: '" + std::string(64, 'A') + "... (1048576 bytes)' is not"), std::string::npos);
}

// The solver loads once and then answers each draw as it comes: a list edited between two draws must be
// solved exactly as a fresh run solves it (each edit is fault_injection_test.cpp's).
TEST(Solver, AListEditedBetweenDrawsIsSolvedAsAFreshRunSolvesIt) {
    SolverFolder folder;
    const std::string draws = folder.Dir() + "/draws";
    ASSERT_EQ(::mkfifo(draws.c_str(), 0600), 0);
    FILE* rows = popen((folder.Solve("--rows - < " + draws) + " 2>/dev/null").c_str(), "r");
    ASSERT_NE(rows, nullptr);
    std::ofstream input(draws);
    const auto solveRunning = [&] {
        input << "TOLERIANS" << std::endl;
        std::string block;
        char line[4096];
        for (int i = 0; i < 6 && std::fgets(line, sizeof line, rows); ++i) block += line;
        return block;
    };
    EXPECT_EQ(solveRunning(), RunCommand(folder.Solve("--rows TOLERIANS")).out);
    ASSERT_EQ(RunCommand(kLists + " add talerions --lists " + folder.Dir()).status, 0);
    EXPECT_EQ(solveRunning(), RunCommand(folder.Solve("--rows TOLERIANS")).out);
    input.close();
    EXPECT_EQ(pclose(rows), 0);
}

// Words in UTF-8, each once, filed under their cp1252 keys in the order they came, ligatures spelt out and
// accents folded; names, digits and lengths the game lacks left out; a list kept unless --force; a key's
// line cut at 253 characters with the cut told.
TEST(ListsTool, BuildsListsFromAWordFile) {
    CListFolder folder;
    const std::string words = folder.Dir() + "/words.txt";
    std::ofstream out(words);
    out << "chien\nniche\n\xC3\xA9t\xC3\xA9s\n\xC5\x93ufs\nParis\nna\xC3\xAFve\nchine\nniche\nabc\nabcdefghij\na2bc\n"
        << "\xC3\xA6gyrine\n";
    std::string anagram = "abcdefghi";  // 26 anagrams: the first 24 fill their line
    for (int i = 0; i < 26; ++i, std::next_permutation(anagram.begin(), anagram.end())) out << anagram << '\n';
    out.close();
    std::filesystem::remove(folder.File(4));
    folder.WriteLines(5, {"AAAAA/mine"});
    const std::string build = kLists + " build --out " + folder.Dir() + " --from " + words;
    EXPECT_EQ(RunCommand(build).status, 0);
    EXPECT_EQ(folder.Read(4), "EEST/\xE9t\xE9s\r\n");
    EXPECT_EQ(folder.Read(5), "AAAAA/mine\r\n");
    const Outcome forced = RunCommand(build + " --force", "&1");
    EXPECT_EQ(forced.status, 0);
    EXPECT_NE(forced.out.find("ABCDEFGHI: 2 words left out, the line would pass 253 characters\n"), std::string::npos);
    EXPECT_NE(forced.out.find("\n31 words"), std::string::npos) << forced.out;
    EXPECT_EQ(folder.Read(5), "AEINV/na\xEFve\r\nCEHIN/chien/niche/chine\r\nEFOSU/oeufs\r\n");
    EXPECT_EQ(folder.Read(8), "AEEGINRY/aegyrine\r\n");
    EXPECT_EQ(RunCommand(build + ".absent --force").status, 2);
}

// The dictionary is in ISO 8859-2, where \xE9 and \xE7 are cp1252's but \xF5 is a letter cp1252 lacks.
// unmunch prints the bare stem that NEEDAFFIX forbids, and Hunspell refuses it.
TEST(ListsTool, BuildsTheFormsHunspellAccepts) {
    CListFolder folder;
    const std::string dictionary = folder.Dir() + "/test";
    std::ofstream(dictionary + ".aff")
        << "SET ISO8859-2\nNEEDAFFIX !\nSFX S Y 1\nSFX S 0 s .\nPFX L Y 1\nPFX L 0 l' .\n";
    std::ofstream(dictionary + ".dic")
        << "10\ncan\xE7on/SL\nmerc\xE9/S\tpo:nom\ncantar/!S\nd\xF5lni/S\nTolosa/S\nsal/S\n"
           "2nda/S\nporta-fais\nabandonament/S\nvila\tis:fem\n";
    const std::string build = kLists + " build --force --out " + folder.Dir() + " --hunspell ";
    const Outcome built = RunCommand(build + dictionary);
    EXPECT_EQ(built.status, 0);
    EXPECT_NE(built.out.find("Hunspell refused 1 of those\n"), std::string::npos);
    std::string lists;
    for (int n = kMaxWordLength; n >= kMinWordLength; --n) lists += folder.Read(n);
    EXPECT_EQ(lists,
              "AACNRST/cantars\r\nACCNNOS/can\xE7ons\r\nACCNNO/can\xE7on\r\nCEEMRS/merc\xE9s\r\n"
              "CEEMR/merc\xE9\r\nAILV/vila\r\nALSS/sals\r\n");
    EXPECT_EQ(RunCommand(build + folder.Dir() + "/absent").status, 2);
    EXPECT_EQ(RunCommand("PATH=/nowhere " + build + dictionary).status, 2);
    EXPECT_EQ(folder.Read(7), "AACNRST/cantars\r\nACCNNOS/can\xE7ons\r\n");
    // A word the dictionary spells only with a ligature is filed as the lists write it only when
    // Hunspell knows that spelling too: "soeur" is in this dictionary, "coeur" is not.
    std::ofstream(dictionary + ".aff") << "SET UTF-8\n";
    std::ofstream(dictionary + ".dic") << "3\nc\u0153ur\ns\u0153ur\nsoeur\n";
    EXPECT_NE(RunCommand(build + dictionary).out.find("Hunspell refused 1 of those\n"), std::string::npos);
    EXPECT_EQ(folder.Read(5), "EORSU/soeur\r\n");
}

// Debian's Occitan dictionary, as ./scripts/play.sh oc builds it (the test command installs hunspell-oc).
TEST(ListsTool, HunspellKnowsEveryWordOfTheOccitanLists) {
    if (!std::filesystem::exists("/usr/share/hunspell/oc_FR.dic")) GTEST_SKIP() << "hunspell-oc is not installed";
    CListFolder folder;
    ASSERT_EQ(RunCommand(kLists + " build --force --hunspell oc_FR --out " + folder.Dir()).status, 0);
    EXPECT_EQ(RunCommand(kLists + " check " + folder.Dir()).status, 0);
    // The words of one line in ten, in UTF-8, then a word Hunspell must not know, so that silence
    // cannot pass; hunspell -l prints each word it does not know.
    const std::string sample = folder.Dir() + "/sample.txt";
    RunCommand("{ cat " + folder.Dir() +
               "/DEF_?L.txt | awk 'NR % 10 == 1' | tr -d '\\r' | cut -d/ -f2- | tr / '\\n' | " +
               "iconv -f CP1252 -t UTF-8; echo qqqqz; } > " + sample);
    EXPECT_GT(std::stoi(RunCommand("wc -l < " + sample).out), 25000);  // about 300,000 words in all
    EXPECT_EQ(RunCommand("hunspell -d /usr/share/hunspell/oc_FR -i UTF-8 -l < " + sample).out, "qqqqz\n");
    // The release's boards of the day are those its rule chooses from these lists and headwords.
    std::string boards;
    for (const std::string_view board : DayBoards("oc")) (boards += board) += '\n';
    const std::string days = kLists + " days --hunspell oc_FR --lists " + folder.Dir();
    EXPECT_EQ(RunCommand(days + " | head -n " + std::to_string(DayBoards("oc").size())).out, boards);
}

}  // namespace
}  // namespace escartinol
