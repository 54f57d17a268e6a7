// The page's one game: started on the lists written into the page's file system, ended by "Finit",
// and started again by a new game over the same lists.
#pragma once

#include <emscripten/val.h>

#include <memory>
#include <optional>
#include <string>

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

    // The page's language, fr or oc, and the player's score, kept in the browser's storage.
    void SetLanguage(const std::string& lang);
    // The board of the day of the date; today's counts in the score.
    void PlayDay(int year, unsigned month, unsigned day);
    void PlayToday();
    // The share text: by the system's share sheet where there is one, else the clipboard; and shown.
    void Share();

    // The game under way; none after "Finit", when the player's commands do nothing.
    CGame* Game() const { return m_game.get(); }

private:
    std::unique_ptr<CWebView> m_view;
    std::unique_ptr<CGame> m_game;
    int m_listsWritten = 0;
    std::string m_lang = "fr";
    Score m_score;

    // Today's board, every word found: once a day in the score.
    void NoteProgress();
    void SaveScore();
};

}  // namespace escartinol
