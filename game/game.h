// CGame: the state of one game and the player's commands, independent of any window toolkit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "board/tile_board.h"
#include "game/board_input.h"
#include "game/draw_table.h"
#include "game/found_words.h"
#include "game/game_view.h"
#include "game/score.h"
#include "words/search_texts.h"
#include "words/word_lists.h"
#include "words/word_search.h"

namespace escartinol {

class CGame {
public:
    // listDir holds the six lists (empty: the current directory). A seed makes the draws
    // repeatable; without one the generator is seeded from the clock when the game starts. The
    // holding of the lists suits the searches to come: a game's many, or a tool's one.
    explicit CGame(IGameView& view, std::string listDir = {}, std::optional<std::uint32_t> seed = {},
                   ListHolding holding = ListHolding::kIndexed);
    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    // The window is up: a first draw, or the letters named (NamedLetters), and the loading notice in
    // row 1. Reading the lists blocks, so the front end calls LoadLists itself once the notice is on screen.
    void Start(const std::optional<std::string>& letters = {});
    // Indexes the six lists and searches the letters on show; only the first call reads them.
    void LoadLists();

    void DrawRandomLetters();
    void ShowSolutions();
    // The letter box is about to open: the rows are emptied. The front end runs its box its own
    // way, then hands what came of it to ApplyLetterEntry.
    void BeginLetterEntry();
    // Takes the first nine typed letters when they are all A..Z; otherwise, or when the box was
    // cancelled (nothing typed), keeps the present letters. Either way the tiles go home and the
    // letters are searched.
    void ApplyLetterEntry(const std::optional<std::string>& typed);
    // Fifty draws in a row, each with its search once the lists are loaded.
    void RepeatedDraw();
    // The board of the day of lang for the date, as an entry of its letters, and remembered as that
    // day's until another draw or entry.
    void PlayDayBoard(std::string_view lang, int year, unsigned month, unsigned day);
    // The day number (days since 1970-01-01) of the board of the day on show; nothing for another board.
    std::optional<long> DayOnShow() const { return m_dayNumber; }
    // Every word of the rows found.
    bool AllFound() const;
    // What the player shares: the board (its date, or its letters in alphabetical order, which spell
    // no word), each row's found against its words, the hints and the days of score; no word.
    // cp1252, a line each.
    std::string ShareText(std::string_view lang, const Score& score) const;

    // One more letter of a longest word not found yet, in its place in the upper row: the tiles from
    // the first one that is not that word's go back down first. Counted for the draw.
    void Hint();

    // The board's pointers, in window pixels, told apart by their ids: while one presses, the others
    // are ignored, so that a second finger cannot take a drag over. A main-button or touch press picks
    // up the tile under it; a touch press on the empty board waits to be held still (LongPressPending).
    void PointerDown(int pointer, Point p, PressKind kind);
    void PointerMove(int pointer, Point p);
    // The pointer is up: the dragged tile drops.
    void PointerUp(int pointer);
    // The front end lost the pointer (its capture taken, the press cancelled): the dragged tile goes home.
    void PointerLost(int pointer);
    // The window was deactivated or hidden mid-press, so no release will come: the dragged tile goes
    // home and a long press is off.
    void CancelDrag();
    // A finger or pen rests on the empty board since its press: the front end times it, and calls
    // LongPressElapsed kLongPressMilliseconds after the press; the fifty draws, if it is still there.
    bool LongPressPending() const { return m_longPressPending; }
    void LongPressElapsed();

    // The left button on the board, in window pixels: pick up, drag and drop a tile.
    void Press(Point p);
    void Drag(Point p);
    void Release();

    // A key of the window's, with the focused control's name ("" for none). Letters and Backspace
    // outside the rows are keyboard play: a letter (either case, accents aside) raises a tile of that
    // letter, Backspace lowers the last one, neither during a drag. Enter presses the focused button,
    // and on "Finit", a row or no control ends the game, as Escape does anywhere; but after keyboard
    // play, until a key comes to another control, both are the board's and end nothing, so that a
    // typed word is not lost to the key that seems to confirm it.
    KeyOutcome PressKey(Key key, std::string_view text, bool modified, KeyFocus focus, std::string_view control);

    // Keyboard play. A letter (either case) moves the leftmost tile of that letter in the lower row to
    // the leftmost free slot of the upper row; nothing when there is none, or during a drag.
    void TypeLetter(char letter);
    // The rightmost tile of the upper row goes back to the leftmost free slot of the lower row.
    void TakeBackLetter();

    bool ListsLoaded() const { return m_listsLoaded; }
    // The letters on show, in alphabetical order once searched; the tiles keep the drawn order.
    const std::array<char, kTileCount>& Letters() const { return m_letters; }
    // The words behind each row's count, as Solucions shows them when none is found.
    std::array<std::string, kRowCount> RowWords() const {
        return {m_found.Words(0), m_found.Words(1), m_found.Words(2)};
    }
    const CTileBoard& Board() const { return m_board; }
    const CFoundWords& Found() const { return m_found; }
    const CWordLists& WordLists() const { return m_wordLists; }

private:
    static constexpr int kRepeatedDraws = 50;

    // Empties the three word texts and the three rows, top to bottom.
    void ClearRows();
    void ShowLetters();
    // Lights the tiles that stand from the first upper slot up to the first empty one when they
    // spell a word of the lists; otherwise puts the light out.
    void LightUpperWord();
    // Searches the letters on show, then shows them sorted and the rows the search filled.
    void SearchWords();

    IGameView& m_view;
    CWordLists m_wordLists;
    CWordSearch m_search;
    CTileBoard m_board;
    std::array<char, kTileCount> m_letters{};
    // The letter each tile shows, in the drawn order.
    std::array<char, kTileCount> m_tileLetters{};
    CFoundWords m_found;
    // The letters whose words m_found counts: a search of the same letters keeps what was found.
    std::array<char, kTileCount> m_foundLetters{};
    bool m_solutionsShown = false;
    // The board of the day on show: its date as written, and its day number.
    std::string m_dayDate;
    std::optional<long> m_dayNumber;
    bool m_listsLoaded = false;
    // The pointer that presses the board, while one does.
    std::optional<int> m_pointer;
    Point m_pressedAt{};
    bool m_longPressPending = false;
    bool m_keyboardPlay = false;
    // The control the last key came to.
    std::string m_keyControl;
    std::string m_listDir;
    std::optional<std::uint32_t> m_seed;
    std::mt19937 m_random;
    std::uniform_int_distribution<int> m_drawDistribution{0, kDrawRange - 1};
};

}  // namespace escartinol
