// The game's view on the page: tiles and rows are the page's elements, reached through embind.
#pragma once

#include <emscripten/val.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "game/game_view.h"
#include "web/page_events.h"

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
    // Called after each new line of progress: the page keeps its score by it.
    void OnProgress(std::function<void()> hook) { m_onProgress = std::move(hook); }

    // The game is over: no tile and no row text stays on the page.
    void Clear();

private:
    // The slots name their letters, and what changed is said once the game's handler is through:
    // a draw's letters and counts, a tile that changed slot, a word spelt, the words shown.
    void Announce();
    std::string LetterIn(int slot) const;

    // val has no empty state, so the elements are gathered rather than assigned.
    std::vector<emscripten::val> m_tiles;
    std::vector<emscripten::val> m_rows;
    std::vector<emscripten::val> m_slots;
    emscripten::val m_announcer;
    std::function<void()> m_onProgress;
    // Each move puts its tile in front of every tile moved before it.
    int m_front = 0;

    std::array<char, kTileCount> m_letters{};
    // The slot each tile last came to rest in; -1 when hidden. A drag's moves in between are no slot's.
    std::array<int, kTileCount> m_tileSlot;
    std::array<std::string, kRowCount> m_rowTexts;
    // What the next announcement says.
    bool m_drawn = false;
    bool m_rowsChanged = false;
    std::vector<std::string> m_moves;
    std::string m_word;
    std::string m_litWord;
    COneShotTimer m_announce;
};

}  // namespace escartinol
