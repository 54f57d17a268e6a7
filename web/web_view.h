// The game's view on the page: tiles and rows are the page's elements, reached through embind.
#pragma once

#include <emscripten/val.h>

#include <string>
#include <vector>

#include "game/game_view.h"

namespace escartinol {

class CWebView : public IGameView {
public:
    CWebView();

    void ShowTile(int tile, char letter, const Rect& r) override;
    void HideTile(int tile) override;
    void MoveTile(int tile, const Rect& r) override;
    void SetRowText(int row, const std::string& text) override;

    void LightWord(int length) override;
    void SetProgressText(const std::string& text) override;

    // The game is over: no tile and no row text stays on the page.
    void Clear();

private:
    // val has no empty state, so the elements are gathered rather than assigned.
    std::vector<emscripten::val> m_tiles;
    std::vector<emscripten::val> m_rows;
    std::vector<emscripten::val> m_upperFrames;
    // Each move puts its tile in front of every tile moved before it.
    int m_front = 0;
};

}  // namespace escartinol
