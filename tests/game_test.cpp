// The letter draw and the start-up of the game, driven through the recording window.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "game/draw_table.h"
#include "support/loaded_game.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using testing::CRecordingWindow;

// E about one tile in six, every letter but W, K the rarest: a draw over part of the table, or a table
// cut short, would miss the rare letters.
TEST(Draw, ASeededRunDrawsTheLettersOfFrench) {
    EXPECT_EQ(std::string({LetterForDraw(5215), LetterForDraw(5216), LetterForDraw(kDrawRange - 1)}), "ERZ");
    CRecordingWindow window;
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
    EXPECT_EQ(std::min_element(drawn.begin(), drawn.end(), [](auto& a, auto& b) { return a.second < b.second; })->first,
              'K');
}

// The window comes up with a draw, repeatable by its seed, and the notice before any list is read,
// which blocks; draws meanwhile search nothing, and a word spelt meanwhile lights once the lists are read.
TEST(StartUp, ListsAreReadOnlyWhenAsked) {
    CListFolder folder;
    CRecordingWindow window, twinWindow;
    CGame game(window, folder.Dir(), 7u), twin(twinWindow, folder.Dir(), 7u);
    game.Start();
    twin.Start();
    EXPECT_EQ(window.rowText[0], kLoadingNotice);
    EXPECT_EQ(std::count(window.tileShown.begin(), window.tileShown.end(), true), kTileCount);
    EXPECT_EQ(twinWindow.TileLetters(), window.TileLetters());
    game.RepeatedDraw();
    EXPECT_EQ(window.rowText[0], "");
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) EXPECT_EQ(game.WordLists().LookupCount(n), 0) << n;

    std::string word = window.TileLetters().substr(0, 4), key = word, lower = word;
    std::sort(key.begin(), key.end());
    std::transform(word.begin(), word.end(), lower.begin(), [](char c) { return c - 'A' + 'a'; });
    folder.WriteLines(4, {key + "/" + lower});
    for (const char c : word) game.TypeLetter(c);
    EXPECT_EQ(window.litLength, 0);
    game.LoadLists();
    EXPECT_EQ(window.litLength, 4);
    EXPECT_EQ(window.TileLetters().substr(0, 4), word);  // the tiles keep the drawn order
    EXPECT_EQ(window.rowText[0], "1  Quatre LETRAS  " + lower);
}

// Started from a menu, nobody reads standard error: with no list at all, row 1 says where they were
// looked for, in the rows' cp1252; one list, even empty, is enough.
TEST(StartUp, TheLoadingNoticeGivesWayToTheRowsOrTheMissingFolder) {
    CListFolder folder;
    const std::string dir = folder.Dir() + "/t\xC3\xA8ras \xE2\x82\xAC";  // "tèras €" in UTF-8
    std::filesystem::create_directory(dir);
    EXPECT_EQ(testing::LoadedGame(dir).window.rowText[0], kNoListsNotice + folder.Dir() + "/t\xE8ras \x80");
    std::ofstream(dir + "/" + ListFileName(4)) << "";
    EXPECT_EQ(testing::LoadedGame(dir).window.rowText[0], "");
}

}  // namespace
}  // namespace escartinol
