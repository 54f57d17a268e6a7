// Tile drags scripted through the game's mouse handlers, with the slot model checked after every step.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/game.h"
#include "support/recording_window.h"

namespace escartinol {
namespace {

using testing::CRecordingWindow;

constexpr char kStartLayout[] = "......... 012345678";

// Where slot s stands in a layout: the upper row, a blank, the lower row.
int At(int s) { return s < kFirstLowerSlot ? s : s + 1; }

class BoardDrag : public ::testing::Test {
protected:
    CRecordingWindow window;
    CGame game{window, {}, 5u};
    const CTileBoard& board = game.Board();
    Point pressed{};

    void SetUp() override { game.Start(); }

    // The digit of the tile standing in each slot, '.' for none; the lower row's tiles stand at home.
    // A draw sends every tile home, then drags take the others up.
    void Arrange(const std::string& layout) {
        game.DrawRandomLetters();
        for (int s = 0; s < kFirstLowerSlot; ++s) {
            const char c = layout[At(s)];
            if (c == '.') continue;
            const int tile = c - '0';
            game.Press(board.TileRect(tile).Centre());
            game.Drag(SlotRect(s).Centre());
            game.Release();
        }
        ASSERT_EQ(Layout(), layout);
        window.calls = 0;
    }

    std::string Layout() const {
        std::string layout = "......... .........";
        for (int i = 0; i < kTileCount; ++i) {
            char& c = layout[At(board.TileSlot(i))];
            EXPECT_EQ(c, '.') << "two tiles in slot " << board.TileSlot(i);
            c = static_cast<char>('0' + i);
        }
        return layout;
    }

    // Every tile but the dragged one stands in its slot, in the model and in the window alike.
    void ExpectConsistent() {
        std::array<int, kSlotCount> named{};
        for (int i = 0; i < kTileCount; ++i) {
            ++named[board.TileSlot(i)];
            EXPECT_EQ(board.TileRect(i), SlotRect(board.TileSlot(i))) << "tile " << i;
            if (i != board.DraggedTile()) {
                EXPECT_EQ(window.tileRect[i], board.TileRect(i)) << "tile " << i;
            }
        }
        for (int s = 0; s < kSlotCount; ++s) EXPECT_EQ(board.SlotTaken(s), named[s] == 1) << "slot " << s;
    }

    void Press(Point p) {
        game.Press(p);
        if (board.Dragging()) pressed = p;
        ExpectConsistent();
    }
    void MoveTo(Point p) {
        game.Drag(p);
        if (const int tile = board.DraggedTile(); tile != -1) {
            EXPECT_EQ(window.tileRect[tile], board.TileRect(tile).Offset(p.x - pressed.x, p.y - pressed.y));
        }
        ExpectConsistent();
    }
    void Release() {
        game.Release();
        ExpectConsistent();
    }

    // Grabs the tile near its top-left corner, so that only its centre can decide the drop.
    void DragCentreTo(int tile, Point centre) {
        const Rect home = board.TileRect(tile);
        const Point grab{home.left + 2, home.top + 3};
        const int dx = centre.x - home.Centre().x, dy = centre.y - home.Centre().y;
        Press(grab);
        ASSERT_EQ(board.DraggedTile(), tile);
        MoveTo({grab.x + dx / 2, grab.y + dy / 2});
        MoveTo({grab.x + dx, grab.y + dy});
        Release();
    }
};

// Tile 0, home in slot 9 with tile 8 in slot 4, is grabbed by its corner and dropped with its centre
// at each point: it lands in the free slot whose column and row hold the centre, or else goes home.
// Slot 17, left by tile 8, must take tile 0 as any free slot would.
TEST_F(BoardDrag, ATileLandsInTheFreeSlotUnderItsCentreOrGoesHome) {
    const std::pair<Point, int> cases[] = {
        {{224, 55}, 3},   {{223, 55}, 2},  {{26, 24}, 0},    {{619, 86}, 8},   // free slots in both areas
        {{619, 192}, 17}, {{320, 55}, 4},  {{26, 130}, 9},   {{76, 150}, 9},   // one free, one taken, its own
        {{25, 55}, -1},   {{620, 55}, -1}, {{100, 23}, -1},  {{100, 87}, -1},  // beside, above, between
        {{100, 129}, -1}, {{26, 193}, -1}, {{620, 160}, -1},
    };
    for (const auto& [centre, slot] : cases) {
        EXPECT_EQ(CTileBoard::DropSlot(centre), slot) << centre.x << "," << centre.y;
        std::string expected = "....8.... 01234567.";
        Arrange(expected);
        if (slot != -1 && expected[At(slot)] == '.') std::swap(expected[At(slot)], expected[At(9)]);
        DragCentreTo(0, centre);
        EXPECT_EQ(Layout(), expected) << centre.x << "," << centre.y;
    }
}

// Outside every tile: beside the first, on the right edge of the last (outside), and between the rows.
TEST_F(BoardDrag, APressWithoutADragMovesNoTile) {
    window.calls = 0;
    for (const Point p : {Point{28, 160}, Point{SlotRect(17).right, 160}, Point{300, 100}}) {
        Press(p);
        MoveTo({p.x + 200, p.y - 100});
        Release();
    }
    EXPECT_EQ(window.calls, 0);
    Press(SlotRect(12).Centre());
    EXPECT_EQ(board.DraggedTile(), 3);
    Release();
    EXPECT_EQ(Layout(), kStartLayout);
    EXPECT_EQ(window.tileRect[3], SlotRect(12));
}

// A draw while the left button is held re-homes the dragged tile; the drag must carry on from there.
// Tile 7, left in the upper row, must be shown at home with its new letter, not where it stood.
TEST_F(BoardDrag, ADrawInMidDragCarriesTheDragOnFromTheNewHome) {
    const std::vector<std::function<void()>> draws = {[&] { game.DrawRandomLetters(); }, [&] { game.RepeatedDraw(); },
                                                      [&] { game.ApplyLetterEntry("ABCDEFGHI"); }};
    for (const auto& draw : draws) {
        Arrange("..4.....7 0123.56.8");
        const Point grab = SlotRect(2).Centre();
        Press(grab);
        MoveTo({grab.x + 66, grab.y});
        draw();
        EXPECT_EQ(Layout(), kStartLayout);
        ExpectConsistent();
        MoveTo({grab.x + 10, grab.y - 107 + 3});
        EXPECT_EQ(window.tileRect[4], SlotRect(13).Offset(10, -104));
        Release();
        // Above the new home in column 4, not above the old one in column 2.
        EXPECT_EQ(Layout(), "....4.... 0123.5678");
    }
}

// A window deactivated mid-drag gets no release: the tile must not stay afloat.
TEST_F(BoardDrag, ACancelledDragSendsTheTileHome) {
    Press(SlotRect(15).Centre());
    MoveTo({100, 50});
    game.CancelDrag();
    ExpectConsistent();  // no tile is dragged any more, so tile 6 must be home
    window.calls = 0;
    MoveTo({300, 50});
    Release();
    game.CancelDrag();
    EXPECT_EQ(window.calls, 0);
    EXPECT_EQ(Layout(), kStartLayout);
}

TEST_F(BoardDrag, APressDuringADragWhoseReleaseWasMissedSendsTheOldTileHome) {
    Press(SlotRect(9).Centre());
    MoveTo({100, 50});
    Press(SlotRect(10).Centre());
    EXPECT_EQ(board.DraggedTile(), 1);
    EXPECT_EQ(window.tileRect[0], SlotRect(9));
    Release();
    EXPECT_EQ(Layout(), kStartLayout);
}

// Keys pick the leftmost tile of their letter by where it stands in the lower row, not by its number:
// tile 4, sent back left of tile 2, is the N taken. A key with no tile (Z, or B once every tile is
// up) touches nothing; Backspace on an empty upper row neither.
TEST_F(BoardDrag, KeysPickTilesByWhereTheyStand) {
    game.ApplyLetterEntry("BANANASXY");
    for (const char key : {'N', 'n'}) game.TypeLetter(key);
    ASSERT_EQ(Layout(), "24....... 01.3.5678");
    game.TakeBackLetter();
    game.TakeBackLetter();
    ASSERT_EQ(Layout(), "......... 014325678");
    game.TypeLetter('N');
    EXPECT_EQ(Layout(), "4........ 01.325678");
    ExpectConsistent();

    window.calls = 0;
    game.TypeLetter('Z');
    EXPECT_EQ(window.calls, 0);
    for (const char key : std::string("BAAASXYN")) game.TypeLetter(key);
    EXPECT_EQ(Layout(), "401356782 .........");
    window.calls = 0;
    game.TypeLetter('B');
    EXPECT_EQ(window.calls, 0);
    for (int i = 0; i < kTileCount; ++i) game.TakeBackLetter();
    EXPECT_EQ(Layout(), "......... 287653104");
    ExpectConsistent();
    window.calls = 0;
    game.TakeBackLetter();
    EXPECT_EQ(window.calls, 0);
}

}  // namespace
}  // namespace escartinol
