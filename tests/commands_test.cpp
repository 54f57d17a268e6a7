// The game: its draw, start-up and commands, and what they show; refused entries are fault_injection_test.cpp's.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <tuple>

#include "game/day_boards.h"
#include "game/letter_entry_rule.h"
#include "support/loaded_game.h"

namespace escartinol {
namespace {

using Rows = std::array<std::string, kRowCount>;
constexpr long kDay = 20796;  // 2026-12-09

// E one tile in six, all but W, K the rarest: a draw over part of the table would miss the rare letters.
TEST(Draw, ASeededRunDrawsTheLettersOfFrench) {
    testing::CRecordingWindow window;
    CGame game(window, {}, 21u);
    game.Start();
    std::map<char, int> drawn;
    for (int draw = 0; draw < 4000; ++draw) {
        game.DrawRandomLetters();
        for (const char letter : window.TileLetters()) ++drawn[letter];
    }
    EXPECT_NEAR(drawn['E'] / (4000.0 * kTileCount), 0.159, 0.01);
    EXPECT_EQ(drawn.size(), 25u);
    EXPECT_EQ(drawn.count('W'), 0u);
    for (const auto& [letter, count] : drawn) EXPECT_GE(count, drawn['K']) << letter;
}

// A seeded draw and the notice come up before the lists are read, which blocks; a word spelt then lights after.
TEST(StartUp, ListsAreReadOnlyWhenAsked) {
    const testing::CListFolder folder{{4, {"ORST/rots"}}};
    testing::CRecordingWindow window;
    CGame game(window, folder.Dir(), 7u);
    game.Start();
    EXPECT_EQ(std::count(window.tileShown.begin(), window.tileShown.end(), true), kTileCount);
    game.RepeatedDraw();
    game.ApplyLetterEntry("TOLERIANS");
    EXPECT_EQ(window.rowText[0], "");
    EXPECT_EQ(game.WordLists().KeyCount(4), 0);
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) EXPECT_EQ(game.WordLists().LookupCount(n), 0) << n;
    for (const char c : std::string("ROTS")) game.TypeLetter(c);
    EXPECT_EQ(window.litLength, 0);
    game.LoadLists();
    EXPECT_EQ(window.litLength, 4);
    EXPECT_EQ(window.rowText[0], "1  Quatre LETRAS  rots");
}

// Started from a menu, nobody reads standard error: row 1 names the folder without any list, in cp1252.
TEST(StartUp, TheLoadingNoticeGivesWayToTheRowsOrTheMissingFolder) {
    testing::CListFolder folder;
    const std::string dir = folder.Dir() + "/t\xC3\xA8ras \xE2\x82\xAC";  // "tèras €" in UTF-8
    std::filesystem::create_directory(dir);
    EXPECT_EQ(testing::LoadedGame(dir).window.rowText[0], kNoListsNotice + folder.Dir() + "/t\xE8ras \x80");
    std::ofstream(dir + "/" + ListFileName(4)) << "";
    EXPECT_EQ(testing::LoadedGame(dir).window.rowText[0], "");
}

// TOLERIANS entered: words of three counted lengths, and of four letters, which only light.
class CommandsTest : public ::testing::Test {
protected:
    testing::CListFolder folder{{9, {"AEILNORST/tolerians"}},
                                {7, {"AEILNRT/latrine/ratline"}},
                                {5, {"AELST/stela/t\xE8sla"}},  // tèsla
                                {4, {"ORST/rots/torsade"}}};
    testing::LoadedGame run{folder.Dir()};
    testing::CRecordingWindow& window = run.window;
    CGame& game = run.game;

    CommandsTest() { run.Enter("TOLERIANS"); }
    // Keys played on the board, '<' for Backspace; what lights then.
    int Typed(const std::string& keys) {
        for (const char key : keys) key == '<' ? game.TakeBackLetter() : game.TypeLetter(key);
        return window.litLength;
    }
    int Spell(const std::string& word) { return Typed(std::string(kTileCount, '<') + word); }
};

TEST_F(CommandsTest, AnEntryShowsItsLettersAsTyped) {
    run.Enter("TOLERIANS");
    EXPECT_EQ(run.rowTextDuringEntry, Rows{});
    run.Enter("ABCDEFGHIJK");
    EXPECT_EQ(window.TileLetters(), "ABCDEFGHI");
}

// The upper row's first tiles up to a gap light while they spell any word of its line, accents aside.
TEST_F(CommandsTest, TheUpperRowLightsWhileItsFirstTilesSpellAWord) {
    const std::pair<const char*, int> steps[] = {{"ROTS", 4}, {"<<<<TORS", 4}, {"E", 0},
                                                 {"<", 4},    {"<", 0},        {"<<<TESLA", 5}};
    for (const auto& [keys, lit] : steps) EXPECT_EQ(Typed(keys), lit) << keys;
    for (const auto& [from, to, lit] : {std::tuple{4, 5, 0}, {5, 4, 5}}) {
        game.Press(SlotRect(from).Centre());
        game.Drag(SlotRect(to).Centre());
        game.Release();
        EXPECT_EQ(window.litLength, lit);
    }
    EXPECT_EQ(Spell("TOLERIANS"), 9);
    game.DrawRandomLetters();
    EXPECT_EQ(window.litLength, 0);
}

// Found once a draw, as spelt, if a row has its length; shown after the count, in capitals in Solucions.
TEST_F(CommandsTest, ALitWordOfACountedLengthIsFoundOnce) {
    EXPECT_EQ(window.progress, "M\xF2ts trobats: 0 sus 5");
    for (const char* word : {"ROTS", "LATRINE", "LATRINE", "TESLA"}) Spell(word);
    EXPECT_EQ(window.rowText, (Rows{"1  N\xF2u LETRAS", "2  S\xE8t LETRAS  latrine", "2  Cinc LETRAS  t\xE8sla"}));
    EXPECT_EQ(window.progress, "M\xF2ts trobats: 2 sus 5");
    game.ShowSolutions();
    EXPECT_EQ(window.rowText,
              (Rows{"9 LETRAS:  tolerians", "7 LETRAS:  LATRINE  ratline  ", "5 LETRAS:  stela  T\xC8SLA  "}));
    run.Enter("TOLERIANS");
    EXPECT_EQ(window.progress, "M\xF2ts trobats: 0 sus 5");
}

// A hint raises the next letter of the first longest word not found, what differs going down first.
TEST_F(CommandsTest, AHintRaisesTheNextLetterOfALongestWord) {
    Spell("TOR");
    for (int i = 0; i < 3; ++i) game.Hint();
    std::string upper;
    for (int s = 0; game.Board().SlotTaken(s); ++s) upper += window.tileLetter[game.Board().TileAt(s)];
    EXPECT_EQ(upper, "TOLER");
    game.ShowSolutions();
    for (int i = 0; i < 6; ++i) game.Hint();
    EXPECT_EQ(window.rowText[0], "9 LETRAS:  TOLERIANS");  // found by its last hint, Solucions still shown
    EXPECT_EQ(window.progress, "M\xF2ts trobats: 1 sus 5  Indicis: 7");
}

TEST_F(CommandsTest, AllFoundOnceEveryWordOfTheRowsIs) {
    for (const char* word : {"TOLERIANS", "LATRINE", "RATLINE", "STELA"}) Spell(word);
    EXPECT_FALSE(game.AllFound());
    Spell("TESLA");
    EXPECT_TRUE(game.AllFound());
}

TEST_F(CommandsTest, TheShareTextTellsTheResultWithoutAWord) {
    Spell("LATRINE");
    game.Hint();
    EXPECT_EQ(game.ShareText("oc", Score{}),
              "ESCARTINOL (oc)\nLetras AEILNORST\n9 letras: 0 sus 1\n7 letras: 1 sus 2\n5 letras: 0 sus 2\n"
              "Indicis: 1\n");
}

// The board of the day is the day's until another draw or entry; a language without boards has none.
TEST_F(CommandsTest, TheBoardOfTheDayIsTheDaysUntilAnotherBoard) {
    game.PlayDayBoard("xx", 2026, 12, 9);
    EXPECT_EQ(game.DayOnShow(), std::nullopt);
    game.PlayDayBoard("oc", 2026, 12, 9);
    EXPECT_EQ(window.TileLetters(), DayBoard("oc", 2026, 12, 9));
    EXPECT_EQ(game.DayOnShow(), kDay);
    run.Enter("TOLERIANS");
    EXPECT_EQ(game.DayOnShow(), std::nullopt);
    game.PlayDayBoard("oc", 2026, 12, 9);
    game.DrawRandomLetters();
    EXPECT_EQ(game.DayOnShow(), std::nullopt);
}

TEST(NamedBoard, OnlyNineLettersOfEitherCaseNameABoard) {
    EXPECT_EQ(NamedLetters("toleRians"), "TOLERIANS");
    for (const char* name : {"TOLERIAN", "TOLERIANSS", "TOLERIAN5", "TOL\xC3\x89RIAN"})
        EXPECT_EQ(NamedLetters(name), std::nullopt) << name;
}

// The same board for a date everywhere, another the next day; a day before 1970 too.
TEST(DayBoard, EachDateHasItsOwnBoard) {
    for (const char* lang : {"fr", "oc"}) {
        EXPECT_EQ(DayBoard(lang, 1970, 1, 1), DayBoards(lang).front());
        EXPECT_EQ(DayBoard(lang, 1969, 12, 31), DayBoards(lang).back());
        for (const std::string_view board : DayBoards(lang)) EXPECT_TRUE(NamedLetters(board)) << board;
    }
    EXPECT_NE(DayBoard("fr", 2026, 12, 9), DayBoard("oc", 2026, 12, 9));
    EXPECT_EQ(DaysFromCivil(2028, 3, 1) - DaysFromCivil(2028, 2, 29), 1);  // February counts in its year
    int year = 0;
    unsigned month = 0, day = 0;
    for (const char* date : {"2026-02-29", "2026-13-01", "2026-1-01", "2026-01-32", "2026/01/01", "20260101xx"})
        EXPECT_FALSE(ReadDate(date, year, month, day)) << date;
}

// A day counts once, and a run goes on only from the day before.
Score PlayedDays() {
    Score score;
    for (const long day : {100, 100, 101, 102, 104, 105}) score.Played(day);
    for (const long day : {105, 105}) score.Completed(day);
    return score;
}

TEST(DayScore, EachDayCountsOnce) { EXPECT_EQ(PlayedDays(), (Score{5, 1, 2, 105, 105})); }

TEST(DayScore, ADamagedFileIsAFreshStart) {
    const std::string text = ScoreText(PlayedDays());
    EXPECT_EQ(ReadScore(text), PlayedDays());
    for (const std::string& damaged : {text.substr(0, text.size() - 3), text + "x", std::string("days 5\n"),
                                       std::string("\0", 1), std::string(text).replace(text.find("run 2"), 5, "run 9")})
        EXPECT_EQ(ReadScore(damaged), Score{}) << damaged;
}

}  // namespace
}  // namespace escartinol
