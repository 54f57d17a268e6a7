// The letter draw, the start-up and the draws of the game, driven through the recording window.
#include "game/game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "game/draw_table.h"
#include "support/list_folder.h"
#include "support/loaded_game.h"
#include "support/recording_window.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using testing::CRecordingWindow;
using testing::LoadedGame;

std::string Letters(const CGame& game) { return std::string(game.Letters().begin(), game.Letters().end()); }

// The ends of the table's rows: the commonest letter at the bottom, the rarest at the top, and Z,
// which owns a row at each end of the rare letters; no value draws a W.
TEST(DrawTable, EachValueDrawsTheLetterOfItsRow) {
    for (const auto& [r, letter] :
         {std::pair{0, 'E'}, {5215, 'E'}, {5216, 'R'}, {kDrawRange - 5, 'K'}, {kDrawRange - 1, 'Z'}})
        EXPECT_EQ(LetterForDraw(r), letter) << r;
    for (int r = 0; r < kDrawRange; ++r) ASSERT_NE(LetterForDraw(r), 'W') << r;
}

// A seeded game draws the letters of French: E about one tile in six, every letter but W, K the
// rarest. A draw over part of the table, or a table cut short, would miss the rare letters.
TEST(Draw, ASeededRunDrawsTheLettersOfFrench) {
    CRecordingWindow window;
    CGame game(window, {}, 21u);
    game.Start();
    constexpr int kDraws = 4000;
    std::map<char, int> drawn;
    for (int draw = 0; draw < kDraws; ++draw) {
        game.DrawRandomLetters();
        for (const char letter : window.TileLetters()) ++drawn[letter];
    }
    const double tiles = kDraws * kTileCount;
    EXPECT_NEAR(drawn['E'] / tiles, 0.159, 0.01);
    EXPECT_EQ(drawn.count('W'), 0u);
    EXPECT_EQ(drawn.size(), 25u);
    const auto rarest =
        std::min_element(drawn.begin(), drawn.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    EXPECT_EQ(rarest->first, 'K');
}

// The window must come up with letters and the notice before any list is read, which blocks.
TEST(StartUp, ListsAreReadOnlyWhenAsked) {
    CListFolder folder;
    CRecordingWindow window;
    CGame game(window, folder.Dir(), 7u);
    game.Start();
    EXPECT_EQ(window.rowText[0], kLoadingNotice);
    EXPECT_FALSE(game.ListsLoaded());
    EXPECT_EQ(game.WordLists().KeyCount(9), 0);
    for (int i = 0; i < kTileCount; ++i)
        EXPECT_TRUE(window.tileShown[i] && game.Board().TileSlot(i) == i + kFirstLowerSlot);
    EXPECT_EQ(window.TileLetters(), Letters(game));
    // A fixed seed makes a draw repeatable, which tests and the solver rely on.
    CRecordingWindow twinWindow;
    CGame twin(twinWindow, folder.Dir(), 7u);
    twin.Start();
    EXPECT_EQ(Letters(twin), Letters(game));
    // Draws before the load search nothing, and empty the notice.
    game.RepeatedDraw();
    for (int n = kMinWordLength; n <= kMaxWordLength; ++n) EXPECT_EQ(game.WordLists().LookupCount(n), 0) << n;
    EXPECT_EQ(window.rowText[0], "");

    // The drawn letters decide what the lists must hold for the start-up search to find.
    std::string key = Letters(game).substr(0, 4);
    std::sort(key.begin(), key.end());
    folder.WriteLines(4, {key + "/wxyz"});
    game.LoadLists();
    EXPECT_TRUE(game.ListsLoaded());
    EXPECT_TRUE(std::is_sorted(game.Letters().begin(), game.Letters().end()));
    EXPECT_EQ(window.rowText[0].substr(window.rowText[0].find(' ')), "  Quatre LETRAS");
    EXPECT_EQ(game.RowWords()[0].substr(0, 17), "4 LETRAS:  wxyz  ");
}

// The loading notice must not outlive the loading. Started from a menu, nobody reads standard error:
// with no list at all, row 1 says where they were looked for, in the rows' cp1252.
TEST(StartUp, TheLoadingNoticeGivesWayToTheRowsOrTheMissingFolder) {
    CListFolder folder;
    const std::string dir = folder.Dir() + "/t\xC3\xA8ras \xE2\x82\xAC";  // "tèras €" in UTF-8
    std::filesystem::create_directory(dir);
    LoadedGame none(dir);
    EXPECT_EQ(none.window.rowText[0], kNoListsNotice + folder.Dir() + "/t\xE8ras \x80");
    // One list, even empty, is enough; the loading notice goes even when the letters make no word.
    std::ofstream(dir + "/" + ListFileName(4)) << "";
    LoadedGame one(dir);
    EXPECT_EQ(one.window.rowText[0], "");
}

}  // namespace
}  // namespace escartinol
