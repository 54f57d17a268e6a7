// The letter draw, the start-up and the draws of the game, driven through the recording window.
#include "game/game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

// How many of the kDrawRange draw values give each letter: the letter frequencies of French.
const std::map<char, int> kDrawShares = {
    {'E', 5216}, {'R', 3242}, {'I', 3170}, {'S', 2755}, {'A', 2754}, {'N', 2538}, {'T', 2328}, {'O', 1940}, {'U', 1219},
    {'L', 1212}, {'C', 1176}, {'P', 839},  {'M', 802},  {'D', 766},  {'G', 519},  {'F', 451},  {'B', 410},  {'V', 376},
    {'H', 323},  {'Z', 309},  {'Q', 154},  {'X', 105},  {'Y', 91},   {'J', 61},   {'K', 12},   {'W', 0},
};

std::string Letters(const CGame& game) { return std::string(game.Letters().begin(), game.Letters().end()); }

void ExpectTilesInLowerRow(const CGame& game, const CRecordingWindow& window) {
    for (int i = 0; i < kTileCount; ++i) {
        EXPECT_EQ(game.Board().TileSlot(i), i + kFirstLowerSlot) << i;
        EXPECT_EQ(window.tileRect[i], SlotRect(i + kFirstLowerSlot)) << i;
        EXPECT_TRUE(window.tileShown[i]) << i;
    }
    for (int s = 0; s < kSlotCount; ++s) EXPECT_EQ(game.Board().SlotTaken(s), s >= kFirstLowerSlot) << s;
}

// Two letters' weights swapped once went unnoticed: every letter's share is pinned, to the value.
TEST(DrawTable, EveryLetterComesOutInItsShareOfTheDrawValues) {
    std::map<char, int> shares;
    for (const auto& [letter, share] : kDrawShares) shares[letter] = 0;
    for (int r = 0; r < kDrawRange; ++r) ++shares[LetterForDraw(r)];
    EXPECT_EQ(shares, kDrawShares);
}

// The game must draw its values evenly over the whole table, or the shares above would not be the
// letters' frequencies: 36,000 tiles, each letter within four standard deviations of its share.
TEST(Draw, TilesComeOutInTheLettersShares) {
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
    for (const auto& [letter, share] : kDrawShares) {
        const double p = double(share) / kDrawRange;
        const double spread = std::sqrt(tiles * p * (1 - p));
        EXPECT_NEAR(drawn[letter], tiles * p, 4 * spread + 1) << letter;
    }
}

// The window must come up with letters and the notice before any list is read, which blocks.
TEST(StartUp, ShowsADrawAndTheNoticeThenLoadsAndSearchesWhenAsked) {
    CListFolder folder;
    CRecordingWindow window;
    CGame game(window, folder.Dir(), 7u);
    game.Start();
    EXPECT_EQ(window.rowText[0], kLoadingNotice);
    EXPECT_FALSE(game.ListsLoaded());
    EXPECT_EQ(game.WordLists().KeyCount(9), 0);
    ExpectTilesInLowerRow(game, window);
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
TEST(StartUp, TheNoticeEndsWithTheLoadingWordsOrNotAndMissingListsAreNamedByFolder) {
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

// Words with a W are found for typed letters only: no draw holds a W. Tiles sent home by a draw are
// judged in board_test.cpp.
TEST(Draw, EmptiesTheRowsOfThePreviousLettersAndSearchesOnce) {
    CListFolder folder;
    folder.WriteLines(4, {"AELW/wale"});
    LoadedGame run(folder, 11u);
    run.Enter("WALEBBBBB");
    ASSERT_EQ(run.window.rowText[0], "1  Quatre LETRAS");
    const long before = run.NineLetterLookups();
    run.game.DrawRandomLetters();
    EXPECT_EQ(run.window.rowText, (std::array<std::string, kRowCount>{}));
    EXPECT_EQ(run.game.RowWords(), (std::array<std::string, kRowCount>{}));
    EXPECT_EQ(run.NineLetterLookups() - before, 1);
}

}  // namespace
}  // namespace escartinol
