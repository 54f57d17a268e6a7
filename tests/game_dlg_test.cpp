// Start-up order, the weighted draw and the commands, driven through the recording window.
#include "game/game_dlg.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "game/control_ids.h"
#include "game/draw_table.h"
#include "support/list_folder.h"
#include "support/loaded_game.h"
#include "support/recording_window.h"
#include "words/cp1252_text.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using testing::CRecordingWindow;

std::string Letters(const CGameDlg& game) { return std::string(game.m_letters.begin(), game.m_letters.end()); }

void ExpectTilesInLowerRow(const CGameDlg& game, const CRecordingWindow& window) {
    for (int i = 0; i < kTileCount; ++i) {
        EXPECT_EQ(game.m_board.m_tileSlot[i], i + kFirstLowerSlot) << i;
        EXPECT_EQ(game.m_board.m_tileRect[i], SlotRect(i + kFirstLowerSlot)) << i;
        EXPECT_EQ(window.tileRect[i], game.m_board.m_tileRect[i]) << i;
        EXPECT_TRUE(window.tileShown[i]) << i;
    }
    for (int s = 0; s < kSlotCount; ++s) EXPECT_EQ(game.m_board.m_slotTaken[s], s >= kFirstLowerSlot ? 1 : 0) << s;
}

TEST(DrawTable, BoundsPickTheFirstRowAtOrAboveR) {
    const std::pair<int, char> bounds[] = {{0, 'E'},     {5215, 'E'},  {5216, 'R'},  {32340, 'Z'},
                                           {32341, 'Q'}, {32763, 'K'}, {32764, 'Z'}, {32767, 'Z'}};
    for (const auto& [r, letter] : bounds) EXPECT_EQ(LetterForDraw(r), letter) << r;
    int perLetter[26] = {};
    for (int r = 0; r < kDrawRange; ++r) ++perLetter[LetterForDraw(r) - 'A'];
    EXPECT_EQ(perLetter['Z' - 'A'], 32340 - 32035 + 4);
    // W is the only letter never drawn.
    EXPECT_EQ(perLetter['W' - 'A'], 0);
    EXPECT_EQ(std::count(std::begin(perLetter), std::end(perLetter), 0), 1);
}

// The window must come up with letters and the notice before any list is read.
TEST(StartUp, ShowsADrawAndTheNoticeThenSearchesWhenTheTimerFires) {
    CListFolder folder;
    CRecordingWindow window;
    CGameDlg game(window, folder.Dir(), 7u);
    EXPECT_TRUE(game.OnInitDialog());

    // The icon, the 26 letter images, the nine tiles hidden, the rows emptied, ..., the notice, the timer.
    const auto& calls = window.calls;
    ASSERT_GE(calls.size(), 39u);
    const std::pair<std::size_t, std::string> steps[] = {{0, "icon 128"}, {1, "load 130"}, {26, "load 155"},
                                                         {27, "hide 0"},  {35, "hide 8"},  {36, "text 1013 "}};
    for (const auto& [at, call] : steps) EXPECT_EQ(calls[at], call) << at;
    EXPECT_EQ(calls[calls.size() - 2], "text 1013 " + kLoadingNotice);
    EXPECT_EQ(calls.back(), "start timer 1 5");
    EXPECT_EQ(game.m_listsLoaded, 0);
    ExpectTilesInLowerRow(game, window);
    EXPECT_EQ(window.TileLetters(), Letters(game));
    // A fixed seed makes a draw repeatable, which tests and the solver rely on.
    CRecordingWindow twinWindow;
    CGameDlg twin(twinWindow, folder.Dir(), 7u);
    twin.OnInitDialog();
    EXPECT_EQ(Letters(twin), Letters(game));

    // The drawn letters decide what the lists must hold for the start-up search to find.
    std::string key = Letters(game).substr(0, 4);
    std::sort(key.begin(), key.end());
    folder.WriteLines(4, {key + "/wxyz"});
    window.calls.clear();
    game.OnTimer(kLoadTimerId);
    EXPECT_EQ(window.calls.front(), "stop timer 1");
    EXPECT_EQ(game.m_listsLoaded, 1);
    EXPECT_TRUE(std::is_sorted(game.m_letters.begin(), game.m_letters.end()));
    EXPECT_EQ(window.rowText[0].substr(window.rowText[0].find(' ')), "  Quatre LETRAS");
    EXPECT_EQ(game.m_rowWords[0].substr(0, 17), "4 LETRAS:  wxyz  ");
}

TEST(StartUp, LettersWithoutWordsKeepTheNoticeAndOtherTimersAreIgnored) {
    CListFolder folder;
    CRecordingWindow window;
    CGameDlg game(window, folder.Dir(), 3u);
    game.OnInitDialog();
    game.OnTimer(2);
    EXPECT_EQ(game.m_listsLoaded, 0);
    EXPECT_EQ(window.calls.back(), "stop timer 1");
    game.OnTimer(kLoadTimerId);
    EXPECT_EQ(game.m_listsLoaded, 1);
    EXPECT_EQ(window.rowText[0], kLoadingNotice);
}

// Started from a menu, nobody reads standard error: with no list at all, row 1 says where they were
// looked for, in the rows' cp1252, instead of a loading notice that would never end.
TEST(StartUp, WithoutAnyListRow1NamesTheFolderLookedIn) {
    CListFolder folder;
    const std::string dir = folder.Dir() + "/t\xC3\xA8ras \xE2\x82\xAC";  // "tèras €" in UTF-8
    std::filesystem::create_directory(dir);
    testing::LoadedGame none(dir);
    EXPECT_EQ(none.window.rowText[0], kNoListsNotice + folder.Dir() + "/t\xE8ras \x80");
    std::ofstream(dir + "/" + ListFileName(4)) << "";
    testing::LoadedGame one(dir);
    EXPECT_EQ(one.window.rowText[0], kLoadingNotice);
    // Bytes that are not UTF-8, and characters that cp1252 lacks, cannot be shown.
    EXPECT_EQ(Cp1252FileName("a\xE9z"), "a?z");
    EXPECT_EQ(Cp1252FileName("\xE4\xB8\xAD\xE2\x80\x9C"), "?\x93");
}

TEST(Draw, PutsEveryTileBackInTheLowerRowAndSearchesOnlyOnceLoaded) {
    CListFolder folder;
    CRecordingWindow window;
    CGameDlg game(window, folder.Dir(), 11u);
    game.OnInitDialog();
    // Scatter the bookkeeping, as drags would, then draw, once and fifty times.
    game.m_board.m_slotTaken.fill(1);
    game.m_board.m_tileSlot.fill(3);
    game.DrawRandomLetters();
    ExpectTilesInLowerRow(game, window);
    game.RepeatedDraw();
    EXPECT_EQ(game.m_wordLists.m_lookupCount, decltype(game.m_wordLists.m_lookupCount){});
    EXPECT_EQ(window.rowText[0], "");

    game.OnTimer(kLoadTimerId);
    game.m_wordLists.m_lookupCount = {};
    window.calls.clear();
    game.DrawRandomLetters();
    EXPECT_EQ(std::vector<std::string>(window.calls.begin(), window.calls.begin() + 3),
              (std::vector<std::string>{"text 1013 ", "text 1014 ", "text 1016 "}));
    EXPECT_GT(game.m_wordLists.m_lookupCount[kMaxWordLength - kMinWordLength], 0);
}

TEST(Destroy, ReleasesTheImagesWhetherOrNotTheListsWereLoaded) {
    CListFolder folder;
    folder.WriteLines(4, {"ABCD/abcd"});
    CRecordingWindow early;
    CGameDlg before(early, folder.Dir(), 1u);
    before.OnInitDialog();
    before.OnDestroy();
    EXPECT_EQ(early.released.size(), 26u);
    EXPECT_EQ(before.m_wordLists.KeyCount(4), 0);

    testing::LoadedGame after(folder);
    EXPECT_EQ(after.game.m_wordLists.KeyCount(4), 1);
    after.game.OnDestroy();
    after.game.OnDestroy();  // a second destruction must not release anything twice
    EXPECT_EQ(after.window.released.size(), 26u);
    EXPECT_EQ(after.game.m_wordLists.KeyCount(4), 0);
}

}  // namespace
}  // namespace escartinol
