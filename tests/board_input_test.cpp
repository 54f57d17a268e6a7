// The rules both front ends map their pointers and keys onto: the long press, the fingers, the letter
// of a key, and what an input leaves in the letter box.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>

#include "game/letter_entry_rule.h"
#include "support/list_folder.h"
#include "support/loaded_game.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using testing::LoadedGame;

constexpr Point kEmptyBoard{330, 110};  // between the rows, on no tile

// Steps: down on the empty board by a finger (t), the main (m) or other (r) button, or a finger on a tile
// (T); a wobble in y alone, within the slop even taken from the press's x (w); past it and back (o); on from
// the tile (v); up (u), lost (l), the window left (x); the press's time up (e).
TEST(LongPress, OnlyAFingerHeldStillOnTheEmptyBoardMakesTheFiftyDraws) {
    const std::pair<const char*, long> cases[] = {{"te", 50}, {"twe", 50}, {"toe", 0}, {"tue", 0}, {"tle", 0},
                                                  {"txe", 0}, {"Tev", 0},  {"me", 0},  {"r", 50}};
    CListFolder folder;
    folder.WriteLines(9, {"AEILNORST/tolerians"});
    const Point tile = SlotRect(11).Centre();
    for (const auto& [script, draws] : cases) {
        LoadedGame run(folder.Dir());
        CGame& game = run.game;
        const long before = run.NineLetterLookups();
        for (const char step : std::string(script)) {
            using enum PressKind;
            if (const auto down = std::string("tmrT").find(step); down != std::string::npos)
                game.PointerDown(1, step == 'T' ? tile : kEmptyBoard,
                                 std::array{kTouch, kMainButton, kOtherButton, kTouch}[down]);
            if (step == 'w') game.PointerMove(1, {330, 111}), game.PointerMove(1, {335, 115});
            if (step == 'o') game.PointerMove(1, {330, 119}), game.PointerMove(1, kEmptyBoard);
            if (step == 'v') game.PointerMove(1, {tile.x + 30, tile.y});
            if (step == 'u') game.PointerUp(1);
            if (step == 'l') game.PointerLost(1);
            if (step == 'x') game.CancelDrag();
            if (step == 'e') game.LongPressElapsed();
        }
        EXPECT_EQ(run.NineLetterLookups() - before, draws) << script;
        EXPECT_EQ(game.Board().Dragging(), script[0] == 'T') << script;
    }
}

// While one finger drags, a second neither takes the drag over nor drops it; the first one's loss ends it.
TEST(Fingers, ASecondFingerDuringADragIsIgnored) {
    CListFolder folder;
    LoadedGame run(folder.Dir());
    CGame& game = run.game;
    game.PointerDown(1, SlotRect(9).Centre(), PressKind::kTouch);
    game.PointerDown(2, SlotRect(10).Centre(), PressKind::kTouch);
    game.PointerMove(2, SlotRect(5).Centre());
    game.PointerUp(2);
    EXPECT_EQ(game.Board().DraggedTile(), 0);
    game.PointerLost(2);
    game.PointerMove(1, SlotRect(2).Centre());
    game.PointerUp(1);
    EXPECT_EQ(game.Board().TileSlot(0), 2);
    game.PointerDown(1, SlotRect(10).Centre(), PressKind::kMainButton);
    game.PointerMove(1, SlotRect(4).Centre());
    game.PointerLost(1);
    EXPECT_FALSE(game.Board().Dragging());
    EXPECT_EQ(run.window.tileRect[1], SlotRect(10));
}

TEST(KeyLetter, AKeysTextRaisesItsLetterOfEitherCaseAccentsAside) {
    const std::pair<const char*, char> keys[] = {
        {"a", 'A'},        {"A", 'A'},        {"z", 'Z'},        {"Z", 'Z'},        {"m", 'M'}, {"\xC3\xA9", 'E'},
        {"\xC3\x89", 'E'}, {"\xC3\xA7", 'C'}, {"\xC5\xB8", 'Y'}, {"\xC5\xA0", 'S'}, {"1", 0},   {" ", 0},
        {"", 0},           {"ab", 0},         {"\xC3\x97", 0},   {"\xC3\x9F", 0},   {"@", 0},   {"[", 0},
    };
    for (const auto& [text, letter] : keys) EXPECT_EQ(BoardLetterOfKey(text), letter) << text;
}

// The box holds 9 code units; an input lands at the cursor.
TEST(LetterBox, InputsComeOutInCapitalsCutBeforeTheCursorToWhatFits) {
    const auto fits = [](const std::u16string& text) { return text.size() <= 9; };
    const std::tuple<const char*, std::u16string, int, std::u16string, std::optional<EntryText>> cases[] = {
        {"lower case", u"", 0, u"tolerians", EntryText{u"TOLERIANS", 9}},
        {"cp1252 letters", u"", 0, u"\u00E9\u00FF\u0153\u0161\u00E6\u00F7",
         EntryText{u"\u00C9\u0178\u0152\u0160\u00C6\u00F7", 6}},
        {"sharp s", u"A", 1, u"\u00DF", EntryText{u"ASS", 3}},
        {"sharp s after the cursor", u"\u00DFB", 0, u"a", EntryText{u"ASSB", 1}},
        {"paste at the end", u"AB", 2, u"cdefghijklm", EntryText{u"ABCDEFGHI", 9}},
        {"paste inside", u"ABXY", 2, u"cdefgh", EntryText{u"ABCDEFGXY", 7}},
        {"half an emoji", u"ABCDEF", 6, u"\U0001F600\U0001F600", EntryText{u"ABCDEF\U0001F600", 8}},
        {"nothing fits", u"ABCDEFGHI", 9, u"J", EntryText{u"ABCDEFGHI", 9}},
        {"not even what was there", u"ABCDEFGHIJ", 0, u"k", std::nullopt},
    };
    for (const auto& [name, before, cursor, input, shown] : cases) {
        const std::u16string typed = before.substr(0, cursor) + input + before.substr(cursor);
        EXPECT_EQ(FitEntry(typed, cursor + static_cast<int>(input.size()), fits), shown) << name;
    }
}

}  // namespace
}  // namespace escartinol
