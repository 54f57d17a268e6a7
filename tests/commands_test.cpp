// The player's commands on the core: reveal, letters of one's own and fifty draws.
// Entries that are not nine capitals are covered in fault_injection_test.cpp.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

#include "game/day_boards.h"
#include "game/letter_entry_rule.h"
#include "support/list_folder.h"
#include "support/loaded_game.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using testing::LoadedGame;

// Lists that hold words of TOLERIANS in three lengths, one for each row.
const CListFolder& WithThreeLengths(const CListFolder& folder) {
    folder.WriteLines(9, {"AEILNORST/tolerians"});
    folder.WriteLines(5, {"AELST/stela/tesla"});
    folder.WriteLines(4, {"ORST/tors"});
    return folder;
}

class CommandsTest : public ::testing::Test {
protected:
    CListFolder folder;
    LoadedGame run{WithThreeLengths(folder)};
    testing::CRecordingWindow& window = run.window;
    CGame& game = run.game;
};

TEST_F(CommandsTest, SolutionsShowTheWordsBehindTheCounts) {
    run.Enter("TOLERIANS");
    EXPECT_EQ(window.rowText[0], "1  N\xF2u LETRAS");
    EXPECT_EQ(window.rowText[1], "2  Cinc LETRAS");
    game.ShowSolutions();
    const auto revealed = window.rowText;
    EXPECT_EQ(revealed[0].substr(0, 20), "9 LETRAS:  tolerians");
    EXPECT_NE(revealed[1].find("stela"), std::string::npos);
    EXPECT_EQ(revealed[2], "4 LETRAS:  tors  ");
    game.ShowSolutions();
    EXPECT_EQ(window.rowText, revealed);

    run.Enter("BCDFGHJKM");
    game.ShowSolutions();
    EXPECT_EQ(window.rowText, (std::array<std::string, kRowCount>{}));
}

// The rows of the old letters are gone while the box is open; the tiles keep the typed order, and the
// search sorts only the letters.
TEST_F(CommandsTest, ChosenLettersStandAsTyped) {
    run.Enter("TOLERIANS");
    game.ShowSolutions();
    const long before = run.NineLetterLookups();
    run.Enter("TOLERIANS");
    EXPECT_EQ(run.rowTextDuringEntry, (std::array<std::string, kRowCount>{}));
    EXPECT_EQ(window.TileLetters(), "TOLERIANS");
    EXPECT_EQ(run.Letters(), "AEILNORST");
    EXPECT_EQ(run.NineLetterLookups() - before, 1);

    run.Enter("ABCDEFGHIJK");
    EXPECT_EQ(window.TileLetters(), "ABCDEFGHI");
    // The ninth character counts as much as the first: a digit there keeps the letters.
    run.Enter("ABCDEFGH1");
    EXPECT_EQ(window.TileLetters(), "ABCDEFGHI");
}

TEST_F(CommandsTest, RightPressShowsTheLastOfFiftyDraws) {
    const long before = run.NineLetterLookups();
    game.RepeatedDraw();
    EXPECT_EQ(run.NineLetterLookups() - before, 50);
    // The tiles show the last draw, whose letters the last search sorted.
    std::string tiles = window.TileLetters();
    std::sort(tiles.begin(), tiles.end());
    EXPECT_EQ(tiles, run.Letters());
}

// The tiles from the first upper slot up to the first empty one light when they spell a word of the
// lists, accents aside, whichever word of its line it is and cut to its key as the rows show it, nine
// letters too; a non-word, a gap, three letters, lists not yet loaded and a new draw leave them unlit.
TEST(WordLight, TheUpperRowLightsWhileItsFirstTilesSpellAWord) {
    CListFolder folder;
    folder.WriteLines(4, {"ORST/rots/torsade"});
    folder.WriteLines(5, {"AELST/stela/t\xE8sla"});  // tèsla
    folder.WriteLines(9, {"AEILNORST/tolerians"});
    testing::CRecordingWindow window;
    CGame game(window, folder.Dir(), 3u);
    game.Start();
    game.ApplyLetterEntry("TESLAORXY");
    for (const char key : std::string("TESLA")) game.TypeLetter(key);
    EXPECT_EQ(window.litLength, 0);
    game.LoadLists();
    EXPECT_EQ(window.litLength, 5);
    game.DrawRandomLetters();
    EXPECT_EQ(window.litLength, 0);

    game.ApplyLetterEntry("TESLAORXY");
    const auto typed = [&](const std::string& keys) {
        for (const char key : keys) key == '<' ? game.TakeBackLetter() : game.TypeLetter(key);
        return window.litLength;
    };
    EXPECT_EQ(typed("ROTS"), 4);
    EXPECT_EQ(typed("<<<<TORS"), 4);
    EXPECT_EQ(typed("X"), 0);
    EXPECT_EQ(typed("<"), 4);
    EXPECT_EQ(typed("<"), 0);
    // S dragged one slot right of the end leaves a gap; then dropped at the end, by the mouse.
    const auto drag = [&](int slot, int to) {
        game.Press(SlotRect(slot).Centre());
        game.Drag(SlotRect(to).Centre());
        game.Release();
        return window.litLength;
    };
    typed("S");
    EXPECT_EQ(drag(3, 4), 0);
    EXPECT_EQ(drag(4, 3), 4);
    game.ApplyLetterEntry("TOLERIANS");
    EXPECT_EQ(typed("TOLERIANS"), 9);
}

// Words found as they are spelt: the three longest lengths count, each word once per draw, and a
// hint gives one more letter of a longest word not found yet.
TEST(FoundWords, ALitWordOfACountedLengthIsFoundOnce) {
    CListFolder folder;
    folder.WriteLines(9, {"AEILNORST/tolerians"});
    folder.WriteLines(8, {"AEILNORT/relation"});
    folder.WriteLines(7, {"AEILNRT/latrine/ratline"});
    folder.WriteLines(4, {"ORST/tors"});
    LoadedGame run(folder);
    run.Enter("TOLERIANS");
    const auto spell = [&](const std::string& letters) {
        while (run.game.Board().SlotTaken(0)) run.game.TakeBackLetter();
        for (const char c : letters) run.game.TypeLetter(c);
    };
    EXPECT_EQ(run.window.progress, "M\xF2ts trobats: 0 sus 4");
    spell("TORS");  // lit, but four letters is no row's length
    EXPECT_EQ(run.window.litLength, 4);
    spell("LATRINE");
    spell("LATRINE");
    EXPECT_EQ(run.window.rowText[2], "2  S\xE8t LETRAS  latrine");
    EXPECT_EQ(run.window.progress, "M\xF2ts trobats: 1 sus 4");
    run.game.ShowSolutions();
    EXPECT_EQ(run.window.rowText[2], "7 LETRAS:  LATRINE  ratline  ");

    // Each hint raises the next letter of TOLERIANS, the wrong start going back down first.
    spell("RAT");
    for (const std::string expected : {"T", "TO", "TOL"}) {
        run.game.Hint();
        std::string upper;
        for (int s = 0; s < kFirstLowerSlot && run.game.Board().SlotTaken(s); ++s)
            upper += run.game.Board().TileAt(s) >= 0 ? run.window.tileLetter[run.game.Board().TileAt(s)] : '?';
        EXPECT_EQ(upper, expected);
    }
    EXPECT_EQ(run.window.progress, "M\xF2ts trobats: 1 sus 4  Indicis: 3");
    for (int i = 0; i < 6; ++i) run.game.Hint();
    EXPECT_EQ(run.window.rowText[0], "9 LETRAS:  TOLERIANS");  // found by its last hint, Solucions still shown
    run.Enter("TOLERIANS");                                    // an entry, even of the same letters, is a new count
    EXPECT_EQ(run.window.progress, "M\xF2ts trobats: 0 sus 4");
}

// A board named by a link or the command line: nine letters of either case, nothing else.
TEST(NamedBoard, OnlyNineLettersOfEitherCaseNameABoard) {
    EXPECT_EQ(NamedLetters("toleRians"), "TOLERIANS");
    for (const char* name : {"TOLERIAN", "TOLERIANSS", "TOLERIAN5", "TOL\xC3\x89RIAN"})
        EXPECT_EQ(NamedLetters(name), std::nullopt) << name;
    testing::CRecordingWindow window;
    CGame game(window);
    game.Start(NamedLetters("tolerians"));
    EXPECT_EQ(window.TileLetters(), "TOLERIANS");
}

// The board of a date is the same wherever and whenever it is asked for, and the next day's is another.
TEST(DayBoard, EachDateHasItsOwnBoard) {
    for (const char* lang : {"fr", "oc"}) {
        EXPECT_EQ(DayBoard(lang, 2026, 12, 9), DayBoard(lang, 2026, 12, 9));
        EXPECT_NE(DayBoard(lang, 2026, 12, 9), DayBoard(lang, 2026, 12, 10));
        EXPECT_NE(DayBoard(lang, 2026, 12, 31), DayBoard(lang, 2027, 1, 1));
        for (const std::string_view board : DayBoards(lang)) EXPECT_TRUE(NamedLetters(board)) << board;
    }
    int year = 0;
    unsigned month = 0;
    unsigned day = 0;
    EXPECT_TRUE(ReadDate("2028-02-29", year, month, day));
    EXPECT_EQ(std::tuple(year, month, day), std::tuple(2028, 2u, 29u));
    for (const char* date : {"2026-02-29", "2026-13-01", "2026-1-01", "2026-01-32", "2026/01/01", "20260101xx"})
        EXPECT_FALSE(ReadDate(date, year, month, day)) << date;
}

// The days of the score: a day counts once, and a run goes on only from the day before.
Score PlayedDays() {
    Score score;
    for (const long day : {100, 100, 101, 102, 104, 105}) score.Played(day);
    score.Completed(105);
    score.Completed(105);
    return score;
}

TEST(DayScore, EachDayCountsOnce) {
    const Score score = PlayedDays();
    EXPECT_EQ(std::tuple(score.daysPlayed, score.run, score.boardsCompleted), std::tuple(5L, 2L, 1L));
}

TEST(DayScore, ADamagedFileIsAFreshStart) {
    const std::string text = ScoreText(PlayedDays());
    EXPECT_EQ(ReadScore(text), PlayedDays());
    for (const std::string& damaged : {text.substr(0, text.size() - 3), text + "x", std::string("days 5\n"),
                                       std::string("\0", 1), std::string(text).replace(text.find("run 2"), 5, "run 9")})
        EXPECT_EQ(ReadScore(damaged), Score{}) << damaged;
}

}  // namespace
}  // namespace escartinol
