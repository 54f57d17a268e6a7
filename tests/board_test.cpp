// Tiles dragged and keys played on the board through the game, the slots checked against the window.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>

#include "game/game.h"
#include "support/recording_window.h"

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
        game.Drag({(grab.x + to.x) / 2, (grab.y + to.y) / 2});
        game.Drag(to);
        EXPECT_EQ(window.tileRect[tile], home.Offset(to.x - grab.x, to.y - grab.y));
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

TEST_F(BoardDrag, APressOffTheTilesPicksNoneUp) {
    for (const Point p : {Point{28, 160}, Point{SlotRect(17).right, 160}, Point{300, 100}}) {
        game.Press(p);
        EXPECT_FALSE(board.Dragging()) << p.x;
    }
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

TEST_F(BoardDrag, ADragThatGetsNoReleaseSendsTheTileHome) {
    game.Press(SlotRect(15).Centre());
    game.Drag({100, 50});
    game.CancelDrag();
    EXPECT_FALSE(board.Dragging());
    EXPECT_EQ(Layout(), kStartLayout);
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

TEST_F(BoardKeys, BoardKeysOutsideTheRowsMoveTiles) {
    const std::tuple<Key, const char*, KeyFocus, KeyOutcome, std::size_t> cases[] = {
        {kText, "n", kBoard, kTaken, 3},       {kText, "y", kFinishButton, kTaken, 3},
        {kText, "s", kOtherButton, kTaken, 3}, {kText, "q", kBoard, kTaken, 2},  // no Q tile
        {kText, "1", kBoard, kPassOn, 2},      {kText, "n", kResultRow, kPassOn, 2},
        {kBackspace, "", kBoard, kTaken, 1},   {kBackspace, "", kResultRow, kPassOn, 2},
        {kOther, "", kBoard, kPassOn, 2},
    };
    for (const auto& [key, text, focus, outcome, upper] : cases) {
        TypeBA();
        EXPECT_EQ(Press(key, focus, text), outcome) << text << int(key);
        EXPECT_EQ(UpperTiles(), upper) << text << int(key);
    }
    EXPECT_EQ(Press(kText, kBoard, "n", true), kPassOn);
    EXPECT_EQ(UpperTiles(), 2u);
}

// Enter presses the focused button, else ends the game, as Escape does; right after board play neither
// ends anything until a key comes to another control.
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

// A key during a drag must not move a tile, least of all the dragged one from under the pointer.
TEST_F(BoardKeys, KeysDuringADragWaitForIt) {
    game.PointerDown(0, SlotRect(1).Centre(), PressKind::kMainButton);  // the last tile up
    game.PointerMove(0, SlotRect(10).Centre());
    EXPECT_EQ(Press(kBackspace, kBoard), kTaken);
    EXPECT_EQ(Press(kText, kBoard, "n"), kTaken);
    EXPECT_EQ(UpperTiles(), 2u);
    EXPECT_EQ(window.tileRect[1], SlotRect(10));
    game.PointerUp(0);
    EXPECT_EQ(board.TileSlot(1), 10);
}

// A key takes the leftmost tile of its letter in the lower row: tile 4, sent back left of tile 2, is
// the N taken. A key without a tile, or Backspace without one up, moves none.
TEST_F(BoardKeys, KeysPickTilesByWhereTheyStand) {
    game.ApplyLetterEntry("BANANASXY");
    const auto typed = [&](const std::string& keys) {
        for (const char key : keys) key == '<' ? game.TakeBackLetter() : game.TypeLetter(key);
        return Layout();
    };
    EXPECT_EQ(typed("Nn"), "24....... 01.3.5678");
    EXPECT_EQ(typed("<<"), "......... 014325678");
    EXPECT_EQ(typed("N"), "4........ 01.325678");
    EXPECT_EQ(typed("ZBAAASXYNB"), "401356782 .........");
    EXPECT_EQ(typed("<<<<<<<<<<"), "......... 287653104");
}

}  // namespace
}  // namespace escartinol
