// CGameDlg: the whole game state and its handlers, independent of any window toolkit.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "board/tile_board.h"
#include "game/control_ids.h"
#include "game/window_ops.h"
#include "words/word_lists.h"
#include "words/word_search.h"

namespace escartinol {

class CGameDlg : private IResultRows {
public:
    // listDir holds the six lists (empty: the current directory). A seed makes the draws
    // repeatable; without one the generator is seeded from the clock at window creation. The
    // holding of the lists suits the searches to come: a game's many, or a tool's one.
    explicit CGameDlg(IWindowOps& window, std::string listDir = {}, std::optional<std::uint32_t> seed = {},
                      ListHolding holding = ListHolding::kIndexed);
    CGameDlg(const CGameDlg&) = delete;
    CGameDlg& operator=(const CGameDlg&) = delete;

    // Window creation: icon, images, hidden tiles, a first draw, the loading notice, the timer.
    bool OnInitDialog();
    // The one-shot loading timer: indexes the lists and searches the letters on show.
    void OnTimer(int timerId);
    // Window destruction: releases the images and the indexes, loaded or not.
    void OnDestroy();

    void DrawRandomLetters();
    void ResetTile(int i);
    void SearchWords();

    void ShowSolutions();
    void ChooseLetters();
    // Steps of ChooseLetters after the box: takes the first nine letters when ok and they are
    // all A..Z, otherwise keeps the present letters; then resets the tiles and searches.
    void ApplyLetterEntry(bool ok, const std::string& text);
    // Fifty draws in a row, each with its search once the lists are loaded.
    void RepeatedDraw();
    void ShowHelp();
    // Empties the three word texts and the three rows, top to bottom.
    void ClearRows();

    // The mouse on the board, in client-area pixels: pick up, drag and drop a tile.
    void OnLButtonDown(Point p);
    void OnMouseMove(Point p);
    void OnLButtonUp();
    // The window lost the mouse capture in the middle of a drag.
    void OnCaptureLost();

    // The game state record. Public so that the board handlers, the tools and the tests read it.
    int m_hIcon = kIdIcon;
    std::array<ImageHandle, kLetterImageCount> m_letterBitmap{};
    CTileBoard m_board;
    std::int32_t m_listsLoaded = 0;
    std::array<char, 9> m_letters{};
    std::array<std::string, 3> m_rowWords;
    CWordLists m_wordLists;

private:
    static constexpr int kRepeatedDraws = 50;

    void SetRowText(int row, const std::string& text) override;

    IWindowOps& m_window;
    CWordSearch m_search;
    std::string m_listDir;
    std::optional<std::uint32_t> m_seed;
    std::mt19937 m_random;
    std::uniform_int_distribution<int> m_drawDistribution{0, 32767};
    bool m_imagesLoaded = false;
};

// 57 blanks, then the notice, in cp1252.
extern const std::string kLoadingNotice;
// Row 1 when none of the six lists could be read, followed by the folder they were looked for in.
extern const std::string kNoListsNotice;

}  // namespace escartinol
