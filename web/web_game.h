// The page's one game: started on the lists written into the page's file system, ended by "Finit",
// and started again by a new game over the same lists.
#pragma once

#include <emscripten/val.h>

#include <memory>
#include <optional>

#include "game/game.h"
#include "web/web_view.h"

namespace escartinol {

class CWebGame {
public:
    // A draw and the loading notice; LoadLists follows once the lists are written.
    // letters: the board a link named (NamedLetters), else a draw.
    void Start(const std::optional<std::string>& letters = {});
    // Writes the six lists from the fetched pack (web/list_pack.h), bytes or null when it could not be fetched.
    void WriteLists(const emscripten::val& packed);
    void LoadLists();
    // The page cannot close itself: the game ends by leaving the board empty.
    void End();

    // The game under way; none after "Finit", when the player's commands do nothing.
    CGame* Game() const { return m_game.get(); }

private:
    std::unique_ptr<CWebView> m_view;
    std::unique_ptr<CGame> m_game;
    int m_listsWritten = 0;
};

}  // namespace escartinol
