// The window's buttons and keys, with "Finit" and the new game that a page offers in its place.
#pragma once

#include <emscripten/val.h>

#include <vector>

#include "web/letter_box.h"
#include "web/web_game.h"

namespace escartinol {

class CPageInput {
public:
    explicit CPageInput(CWebGame& game);
    CPageInput(const CPageInput&) = delete;
    CPageInput& operator=(const CPageInput&) = delete;

private:
    void OnKeyDown(const emscripten::val& event);
    // A page cannot close itself: the game ends with the board empty and a new game on offer.
    void Finish();
    void StartNewGame();

    CWebGame& m_game;
    CLetterBox m_letterBox;
    // The window's five buttons, which "Finit" disables.
    std::vector<emscripten::val> m_buttons;
    emscripten::val m_newGameButton;
    bool m_over = false;
};

}  // namespace escartinol
