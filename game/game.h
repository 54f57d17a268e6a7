// CGame: the state of one game and the player's commands, independent of any window toolkit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "board/tile_board.h"
#include "game/draw_table.h"
#include "game/game_view.h"
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

    // The window is up: a first draw and the loading notice in row 1. Reading the lists blocks,
    // so the front end calls LoadLists itself once the notice is on screen.
    void Start();
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

    // The left button on the board, in widget coordinates of the board: pick up, drag and drop a tile.
    void Press(Point p);
    void Drag(Point p);
    void Release();
    // The window was deactivated or hidden in the middle of a drag: the tile goes home.
    void CancelDrag();

    // Keyboard play, ignored during a drag. A letter (either case) moves the leftmost tile of that
    // letter in the lower row to the leftmost free slot of the upper row; nothing when there is none.
    void TypeLetter(char letter);
    // The rightmost tile of the upper row goes back to the leftmost free slot of the lower row.
    void TakeBackLetter();

    bool ListsLoaded() const { return m_listsLoaded; }
    // The letters on show, in alphabetical order once searched; the tiles keep the drawn order.
    const std::array<char, kTileCount>& Letters() const { return m_letters; }
    // What Solucions shows in each row.
    const std::array<std::string, kRowCount>& RowWords() const { return m_rowWords; }
    const CTileBoard& Board() const { return m_board; }
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
    std::array<std::string, kRowCount> m_rowWords;
    bool m_listsLoaded = false;
    std::string m_listDir;
    std::optional<std::uint32_t> m_seed;
    std::mt19937 m_random;
    std::uniform_int_distribution<int> m_drawDistribution{0, kDrawRange - 1};
};

}  // namespace escartinol
