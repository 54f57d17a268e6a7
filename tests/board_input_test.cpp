// The rules both front ends map their pointers and keys onto: the long press, the fingers, the keys of
// the board and of the end, and what an input leaves in the letter box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/letter_entry_rule.h"
#include "support/list_folder.h"
#include "support/loaded_game.h"

namespace escartinol {
namespace {

using testing::CListFolder;
using testing::LoadedGame;

constexpr Point kEmptyBoard{330, 110};  // between the rows, on no tile

struct PointerStep {
    enum Kind { kDown, kMove, kUp, kLost, kLeave, kElapse } kind;
    Point at{};
    PressKind press = PressKind::kTouch;
};

// A finger must rest still on the empty board for the fifty draws; a press on a tile stays a drag
// however long it rests, and a mouse's main button never makes them. The wobble within the slop moves
// y alone, so that a slop measuring y against the press's x would show.
TEST(LongPress, OnlyAFingerHeldStillOnTheEmptyBoardMakesTheFiftyDraws) {
    using S = PointerStep;
    const Point tile = SlotRect(11).Centre();
    const struct {
        const char* name;
        std::vector<PointerStep> steps;
        long draws;
        bool dragging;  // at the end
    } cases[] = {
        {"held still", {{S::kDown, kEmptyBoard}, {S::kElapse}}, 50, false},
        {"wobbling",
         {{S::kDown, kEmptyBoard}, {S::kMove, {330, 111}}, {S::kMove, {335, 115}}, {S::kElapse}},
         50,
         false},
        {"moved off",
         {{S::kDown, kEmptyBoard}, {S::kMove, {330, 119}}, {S::kMove, kEmptyBoard}, {S::kElapse}},
         0,
         false},
        {"lifted", {{S::kDown, kEmptyBoard}, {S::kUp}, {S::kElapse}}, 0, false},
        {"lost", {{S::kDown, kEmptyBoard}, {S::kLost}, {S::kElapse}}, 0, false},
        {"window left", {{S::kDown, kEmptyBoard}, {S::kLeave}, {S::kElapse}}, 0, false},
        {"on a tile", {{S::kDown, tile}, {S::kElapse}, {S::kMove, {tile.x + 30, tile.y}}}, 0, true},
        {"mouse held", {{S::kDown, kEmptyBoard, PressKind::kMainButton}, {S::kElapse}}, 0, false},
        {"right button", {{S::kDown, kEmptyBoard, PressKind::kOtherButton}}, 50, false},
    };
    CListFolder folder;
    folder.WriteLines(9, {"AEILNORST/tolerians"});
    for (const auto& [name, steps, draws, dragging] : cases) {
        LoadedGame run(folder.Dir());
        CGame& game = run.game;
        const long before = run.NineLetterLookups();
        for (const PointerStep& step : steps) {
            if (step.kind == S::kDown) game.PointerDown(1, step.at, step.press);
            if (step.kind == S::kMove) game.PointerMove(1, step.at);
            if (step.kind == S::kUp) game.PointerUp(1);
            if (step.kind == S::kLost) game.PointerLost(1);
            if (step.kind == S::kLeave) game.CancelDrag();
            if (step.kind == S::kElapse) game.LongPressElapsed();
        }
        EXPECT_EQ(run.NineLetterLookups() - before, draws) << name;
        EXPECT_EQ(game.Board().Dragging(), dragging) << name;
    }
}

// While one finger drags, a second neither takes the drag over nor drops it; the first one's loss
// sends its tile home.
TEST(Fingers, ASecondFingerDuringADragIsIgnored) {
    CListFolder folder;
    LoadedGame run(folder.Dir());
    CGame& game = run.game;
    game.PointerDown(1, SlotRect(9).Centre(), PressKind::kTouch);
    game.PointerDown(2, SlotRect(10).Centre(), PressKind::kTouch);
    game.PointerMove(2, SlotRect(5).Centre());
    game.PointerUp(2);
    EXPECT_EQ(game.Board().DraggedTile(), 0);
    EXPECT_EQ(run.window.tileRect[1], SlotRect(10));
    game.PointerMove(1, SlotRect(2).Centre());
    game.PointerUp(1);
    EXPECT_EQ(game.Board().TileSlot(0), 2);

    game.PointerDown(1, SlotRect(10).Centre(), PressKind::kMainButton);
    game.PointerMove(1, SlotRect(4).Centre());
    game.PointerLost(2);
    EXPECT_TRUE(game.Board().Dragging());
    game.PointerLost(1);
    EXPECT_FALSE(game.Board().Dragging());
    EXPECT_EQ(run.window.tileRect[1], SlotRect(10));
}

// Which letter a key's text raises: both cases to Z, accents aside; nothing for other text.
TEST(BoardKeys, AKeysTextRaisesItsLetterOfEitherCaseAccentsAside) {
    const std::pair<const char*, char> keys[] = {
        {"a", 'A'},        {"A", 'A'},        {"z", 'Z'},        {"Z", 'Z'},        {"m", 'M'}, {"\xC3\xA9", 'E'},
        {"\xC3\x89", 'E'}, {"\xC3\xA7", 'C'}, {"\xC5\xB8", 'Y'}, {"\xC5\xA0", 'S'}, {"1", 0},   {" ", 0},
        {"", 0},           {"ab", 0},         {"\xC3\x97", 0},   {"\xC3\x9F", 0},   {"@", 0},   {"[", 0},
    };
    for (const auto& [text, letter] : keys) EXPECT_EQ(BoardLetterOfKey(text), letter) << text;
}

class KeysTest : public ::testing::Test {
protected:
    CListFolder folder;
    LoadedGame run{folder.Dir()};
    CGame& game = run.game;

    void SetUp() override { game.ApplyLetterEntry("BANANASXY"); }
    int UpperTiles() const {
        int up = 0;
        for (int s = 0; s < kFirstLowerSlot; ++s) up += game.Board().SlotTaken(s);
        return up;
    }
};

// The name each kind of focus has in these tests; keys to the same control keep one name.
const char* ControlOf(KeyFocus focus) {
    using enum KeyFocus;
    return focus == kFinishButton  ? "finishButton"
           : focus == kOtherButton ? "drawButton"
           : focus == kResultRow   ? "row1"
                                   : "";
}

// Keys meant for the board move tiles and nothing else; a row and a shortcut keep theirs.
TEST_F(KeysTest, BoardKeysOutsideTheRowsMoveTiles) {
    const struct {
        Key key;
        const char* text;
        bool modified;
        KeyFocus focus;
        KeyOutcome outcome;
        int upper;  // tiles in the upper row after "BA" typed before the key
    } cases[] = {
        {Key::kText, "n", false, KeyFocus::kBoard, KeyOutcome::kTaken, 3},
        {Key::kText, "y", false, KeyFocus::kFinishButton, KeyOutcome::kTaken, 3},
        {Key::kText, "s", false, KeyFocus::kOtherButton, KeyOutcome::kTaken, 3},
        {Key::kText, "q", false, KeyFocus::kBoard, KeyOutcome::kTaken, 2},  // no Q tile
        {Key::kText, "1", false, KeyFocus::kBoard, KeyOutcome::kPassOn, 2},
        {Key::kText, "n", true, KeyFocus::kBoard, KeyOutcome::kPassOn, 2},
        {Key::kText, "n", false, KeyFocus::kResultRow, KeyOutcome::kPassOn, 2},
        {Key::kBackspace, "", false, KeyFocus::kBoard, KeyOutcome::kTaken, 1},
        {Key::kBackspace, "", false, KeyFocus::kFinishButton, KeyOutcome::kTaken, 1},
        {Key::kBackspace, "", false, KeyFocus::kResultRow, KeyOutcome::kPassOn, 2},
        {Key::kBackspace, "", true, KeyFocus::kBoard, KeyOutcome::kPassOn, 2},
        {Key::kOther, "", false, KeyFocus::kBoard, KeyOutcome::kPassOn, 2},
    };
    for (const auto& c : cases) {
        game.ApplyLetterEntry("BANANASXY");
        for (const char* letter : {"b", "A"}) game.PressKey(Key::kText, letter, false, KeyFocus::kBoard, "");
        ASSERT_EQ(UpperTiles(), 2);
        EXPECT_EQ(game.PressKey(c.key, c.text, c.modified, c.focus, ControlOf(c.focus)), c.outcome)
            << c.text << int(c.key);
        EXPECT_EQ(UpperTiles(), c.upper) << c.text << int(c.key);
    }
}

// Enter presses the focused button and ends the game elsewhere, Escape ends it anywhere, as on the
// desktop; but right after keys played on the board neither ends anything until a key comes to
// another control.
TEST_F(KeysTest, EndKeysWaitForAnotherControlAfterBoardPlay) {
    using enum KeyOutcome;
    const struct {
        KeyFocus focus;
        KeyOutcome enter;
    } places[] = {
        {KeyFocus::kBoard, kEndGame},
        {KeyFocus::kFinishButton, kEndGame},
        {KeyFocus::kOtherButton, kPassOn},
        {KeyFocus::kResultRow, kEndGame},
    };
    const auto press = [&](Key key, KeyFocus focus, const char* control, const char* text = "") {
        return game.PressKey(key, text, false, focus, control);
    };
    for (const auto& [focus, enter] : places) {
        const char* control = ControlOf(focus);
        EXPECT_EQ(press(Key::kEnter, focus, control), enter) << control;
        EXPECT_EQ(press(Key::kEscape, focus, control), kEndGame) << control;
        EXPECT_EQ(game.PressKey(Key::kEnter, "", true, focus, control), kPassOn) << control;
        if (focus == KeyFocus::kResultRow) continue;  // no board play there
        for (const auto& [key, text] :
             {std::pair{Key::kText, "b"}, std::pair{Key::kBackspace, ""}, std::pair{Key::kText, "q"}}) {
            press(key, focus, control, text);
            EXPECT_EQ(press(Key::kEnter, focus, control), kTaken) << control << text;
            EXPECT_EQ(press(Key::kEscape, focus, control), kTaken) << control << text;
        }
        // Another control, even of the same kind, and back: the keys mean what they mean there again.
        EXPECT_EQ(press(Key::kEnter, focus, "solutionsButton"), focus == KeyFocus::kOtherButton ? kPassOn : kEndGame);
        EXPECT_EQ(press(Key::kEnter, focus, control), enter) << control;
    }
    // Keys typed in a row are the row's, not board play.
    press(Key::kText, KeyFocus::kResultRow, "row1", "b");
    EXPECT_EQ(press(Key::kEnter, KeyFocus::kResultRow, "row1"), kEndGame);
}

// A key during a drag must not move a tile, least of all the dragged one from under the pointer.
TEST_F(KeysTest, KeysDuringADragWaitForIt) {
    const auto press = [&](Key key, const char* text) { return game.PressKey(key, text, false, KeyFocus::kBoard, ""); };
    press(Key::kText, "b");
    game.PointerDown(0, SlotRect(10).Centre(), PressKind::kMainButton);
    game.PointerMove(0, {300, 160});
    EXPECT_EQ(press(Key::kBackspace, ""), KeyOutcome::kTaken);
    EXPECT_EQ(press(Key::kText, "n"), KeyOutcome::kTaken);
    EXPECT_EQ(UpperTiles(), 1);
    EXPECT_EQ(run.window.tileRect[1],
              SlotRect(10).Offset(300 - SlotRect(10).Centre().x, 160 - SlotRect(10).Centre().y));
    game.PointerUp(0);
    EXPECT_EQ(game.Board().TileSlot(1), 10);
}

// What the box shows after each input: the box holds kRoom code units, an input lands at the cursor.
TEST(LetterBox, InputsComeOutInCapitalsCutBeforeTheCursorToWhatFits) {
    constexpr std::size_t kRoom = 9;
    const auto fits = [](const std::u16string& text) { return text.size() <= kRoom; };
    const struct {
        const char* name;
        std::u16string before;
        int cursor;
        std::u16string input;
        std::optional<EntryText> shown;
    } cases[] = {
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
    for (const auto& c : cases) {
        const std::u16string typed = c.before.substr(0, c.cursor) + c.input + c.before.substr(c.cursor);
        EXPECT_EQ(FitEntry(typed, c.cursor + static_cast<int>(c.input.size()), fits), c.shown) << c.name;
    }
    // Typed key by key, each after the last: the cursor must follow both S of a ß.
    EntryText box;
    for (const char16_t key : std::u16string(u"\u00DF"
                                             u"abc")) {
        box.text.insert(box.cursor, 1, key);
        box = *FitEntry(box.text, box.cursor + 1, fits);
    }
    EXPECT_EQ(box, (EntryText{u"SSABC", 5}));
}

}  // namespace
}  // namespace escartinol
