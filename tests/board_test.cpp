// The board through the game: the long press, tiles dragged, keys played, and the letter box's text.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "game/letter_entry_rule.h"
#include "support/loaded_game.h"

namespace escartinol {
namespace {

using enum Key;
using enum KeyFocus;
using enum KeyOutcome;

constexpr char kStartLayout[] = "......... 012345678";

class BoardDrag : public ::testing::Test {
protected:
    testing::CRecordingWindow window;
    CGame game{window, {}, 5u};
    const CTileBoard& board = game.Board();

    BoardDrag() { game.Start(); }
    // The tile in each slot, '.' for none, the rows apart; each but the dragged one is shown there.
    std::string Layout() const {
        std::string layout;
        for (int s = 0; s < kSlotCount; ++s) {
            const int tile = board.TileAt(s);
            EXPECT_EQ(board.SlotTaken(s), tile != -1) << s;
            EXPECT_TRUE(tile == -1 || tile == board.DraggedTile() || window.tileRect[tile] == SlotRect(s)) << s;
            layout += std::string(s == kFirstLowerSlot, ' ') + (tile == -1 ? '.' : static_cast<char>('0' + tile));
        }
        return layout;
    }
    // Grabs the tile near its top-left corner, so that only its centre can decide the drop.
    void DragCentreTo(int tile, Point centre) {
        const Rect home = board.TileRect(tile);
        const Point grab{home.left + 2, home.top + 3},
            to{grab.x + centre.x - home.Centre().x, grab.y + centre.y - home.Centre().y};
        game.Press(grab);
        game.Drag(to);
        game.Release();
    }
};

// Tile 0, with tile 8 up in slot 4, lands in the free slot under its centre, its own slot 17 included.
TEST_F(BoardDrag, ATileLandsInTheFreeSlotUnderItsCentreOrGoesHome) {
    const std::pair<Point, int> cases[] = {
        {{224, 55}, 3},   {{223, 55}, 2},  {{26, 24}, 0},    {{619, 86}, 8},   // free slots in both areas
        {{619, 192}, 17}, {{320, 55}, 4},  {{26, 130}, 9},   {{76, 150}, 9},   // one free, one taken, its own
        {{25, 55}, -1},   {{620, 55}, -1}, {{100, 23}, -1},  {{100, 87}, -1},  // beside, above, between
        {{100, 129}, -1}, {{26, 193}, -1}, {{620, 160}, -1},
    };
    for (const auto& [centre, slot] : cases) {
        game.DrawRandomLetters();
        DragCentreTo(8, SlotRect(4).Centre());
        std::string expected = "....8.... 01234567.";
        const int at = slot < kFirstLowerSlot ? slot : slot + 1;
        if (slot != -1 && expected[at] == '.') std::swap(expected[at], expected[10]);
        DragCentreTo(0, centre);
        EXPECT_EQ(Layout(), expected) << centre.x << "," << centre.y;
    }
}

// While one finger drags, a second neither takes the drag over nor drops it; the first one's loss ends it.
TEST_F(BoardDrag, ASecondFingerDuringADragIsIgnored) {
    game.PointerDown(1, SlotRect(9).Centre(), PressKind::kTouch);
    game.PointerDown(2, SlotRect(10).Centre(), PressKind::kTouch);
    game.PointerMove(2, SlotRect(5).Centre());
    game.PointerUp(2);
    game.PointerLost(2);
    EXPECT_EQ(board.DraggedTile(), 0);
    game.PointerMove(1, SlotRect(2).Centre());
    game.PointerUp(1);
    EXPECT_EQ(board.TileSlot(0), 2);
    game.PointerDown(1, SlotRect(10).Centre(), PressKind::kMainButton);
    game.PointerMove(1, SlotRect(4).Centre());
    game.PointerLost(1);
    EXPECT_EQ(Layout(), "..0...... .12345678");
}

// A draw mid-drag sends every tile home, shown there; the drag carries on from the tile's new home.
TEST_F(BoardDrag, ADrawInMidDragCarriesTheDragOnFromTheNewHome) {
    DragCentreTo(7, SlotRect(8).Centre());
    DragCentreTo(4, SlotRect(2).Centre());
    const Point grab = SlotRect(2).Centre();
    game.Press(grab);
    game.Drag({grab.x + 66, grab.y});
    game.DrawRandomLetters();
    EXPECT_EQ(Layout(), kStartLayout);
    game.Drag({grab.x + 10, grab.y - 104});
    EXPECT_EQ(window.tileRect[4], SlotRect(13).Offset(10, -104));
    game.Release();
    EXPECT_EQ(Layout(), "....4.... 0123.5678");  // above the new home, not the old one
}

// A press whose release was missed: the tile must not stay afloat.
TEST_F(BoardDrag, APressDuringADragSendsTheDraggedTileHome) {
    game.Press(SlotRect(9).Centre());
    game.Drag({100, 50});
    game.Press(SlotRect(10).Centre());
    EXPECT_EQ(board.DraggedTile(), 1);
    EXPECT_EQ(Layout(), kStartLayout);
}

// Keys on BANANASXY, "BA" up first; each kind of focus has a control name of its own.
class BoardKeys : public BoardDrag {
protected:
    BoardKeys() { TypeBA(); }
    void TypeBA() {
        game.ApplyLetterEntry("BANANASXY");
        for (const char* letter : {"b", "A"}) Press(kText, kBoard, letter);
    }
    KeyOutcome Press(Key key, KeyFocus focus, const char* text = "", bool modified = false, const char* control = {}) {
        const char* names[] = {"", "finishButton", "drawButton", "row1"};
        return game.PressKey(key, text, modified, focus, control ? control : names[static_cast<int>(focus)]);
    }
    std::size_t UpperTiles() const { return Layout().find('.'); }  // the upper row fills from the left
};

// A letter without a tile (Q) is still taken; Backspace and the focused button are the window test's.
TEST_F(BoardKeys, BoardKeysOutsideTheRowsMoveTiles) {
    const std::tuple<Key, const char*, KeyFocus, KeyOutcome, std::size_t> cases[] = {
        {kText, "n", kBoard, kTaken, 3},  {kText, "s", kOtherButton, kTaken, 3}, {kText, "q", kBoard, kTaken, 2},
        {kText, "1", kBoard, kPassOn, 2}, {kText, "n", kResultRow, kPassOn, 2},  {kOther, "", kBoard, kPassOn, 2},
    };
    for (const auto& [key, text, focus, outcome, upper] : cases) {
        TypeBA();
        EXPECT_EQ(Press(key, focus, text), outcome) << text << int(key);
        EXPECT_EQ(UpperTiles(), upper) << text << int(key);
    }
}

// Enter presses the focused button, else ends the game as Escape does; not after board play on that control.
TEST_F(BoardKeys, EndKeysWaitForAnotherControlAfterBoardPlay) {
    const std::pair<KeyFocus, KeyOutcome> places[] = {
        {kFinishButton, kEndGame}, {kOtherButton, kPassOn}, {kResultRow, kEndGame}, {kBoard, kEndGame}};
    for (const auto& [focus, enter] : places) {
        EXPECT_EQ(Press(kEnter, focus), enter) << int(focus);
        EXPECT_EQ(Press(kEscape, focus), kEndGame) << int(focus);
        EXPECT_EQ(Press(kEnter, focus, "", true), kPassOn) << int(focus);
        for (const auto& [key, text] : {std::pair{kText, "q"}, {kBackspace, ""}}) {
            const bool play = Press(key, focus, text) == kTaken;
            EXPECT_EQ(Press(kEnter, focus), play ? kTaken : enter) << int(focus) << text;
            EXPECT_EQ(Press(kEscape, focus), play ? kTaken : kEndGame) << int(focus) << text;
        }
        EXPECT_EQ(Press(kEnter, focus, "", false, "other"), enter) << int(focus);  // even of the same kind
    }
}

// A key takes the leftmost tile of its letter in the lower row: tile 4, sent back left of tile 2, for N.
TEST_F(BoardKeys, KeysPickTilesByWhereTheyStand) {
    game.ApplyLetterEntry("BANANASXY");
    const auto typed = [&](const std::string& keys) {
        for (const char key : keys) key == '<' ? game.TakeBackLetter() : game.TypeLetter(key);
        return Layout();
    };
    EXPECT_EQ(typed("Nn"), "24....... 01.3.5678");
    EXPECT_EQ(typed("<<N"), "4........ 01.325678");
    EXPECT_EQ(typed("ZBAAASXYNB"), "401356782 .........");
    EXPECT_EQ(typed("<<<<<<<<<<"), "......... 287653104");
}

constexpr Point kEmptyBoard{28, 160};  // beside the first tile, which a pick-up by columns would take

// Steps: down off the tiles by finger (t) or main button (m); a wobble in y, in the slop unless measured
// from x (w); past it, back (o); up (u), lost (l), window left (x); time (e).
TEST(LongPress, OnlyAFingerHeldStillOnTheEmptyBoardMakesTheFiftyDraws) {
    const std::pair<const char*, long> cases[] = {{"twe", 50}, {"toe", 0}, {"tue", 0},
                                                  {"tle", 0},  {"txe", 0}, {"me", 0}};
    const testing::CListFolder folder{{9, {"AEILNORST/tolerians"}}};
    for (const auto& [script, draws] : cases) {
        testing::LoadedGame run(folder.Dir());
        CGame& game = run.game;
        const long before = run.NineLetterLookups();
        for (const char step : std::string(script)) {
            if (step == 't' || step == 'm')
                game.PointerDown(1, kEmptyBoard, step == 't' ? PressKind::kTouch : PressKind::kMainButton);
            if (step == 'w') game.PointerMove(1, {28, 161}), game.PointerMove(1, {33, 165});
            if (step == 'o') game.PointerMove(1, {28, 169}), game.PointerMove(1, kEmptyBoard);
            if (step == 'u') game.PointerUp(1);
            if (step == 'l') game.PointerLost(1);
            if (step == 'x') game.CancelDrag();
            if (step == 'e') game.LongPressElapsed();
        }
        EXPECT_EQ(run.NineLetterLookups() - before, draws) << script;
    }
}

TEST(KeyLetter, AKeysTextRaisesItsLetterOfEitherCaseAccentsAside) {
    const std::pair<const char*, char> keys[] = {
        {"a", 'A'},        {"A", 'A'},        {"z", 'Z'},        {"Z", 'Z'},        {"m", 'M'}, {"\xC3\xA9", 'E'},
        {"\xC3\x89", 'E'}, {"\xC3\xA7", 'C'}, {"\xC5\xB8", 'Y'}, {"\xC5\xA0", 'S'}, {"1", 0},   {" ", 0},
        {"", 0},           {"ab", 0},         {"\xC3\x97", 0},   {"\xC3\x9F", 0},   {"@", 0},   {"[", 0},
    };
    for (const auto& [text, letter] : keys) EXPECT_EQ(BoardLetterOfKey(text), letter) << text;
}

// The box holds 9 code units; an input lands at the cursor. Typing ASCII and ß is the dialog box test's.
TEST(LetterBox, InputsComeOutInCapitalsCutBeforeTheCursorToWhatFits) {
    const auto fits = [](const std::u16string& text) { return text.size() <= 9; };
    const std::tuple<const char*, std::u16string, int, std::u16string, std::optional<EntryText>> cases[] = {
        {"cp1252 letters", u"", 0, u"\u00E9\u00FF\u0153\u0161\u00F7", EntryText{u"\u00C9\u0178\u0152\u0160\u00F7", 5}},
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
