// A game over a folder's lists, past its start-up, driven through the recording window.
#pragma once

#include <cstdint>
#include <string>

#include "game/game_dlg.h"
#include "support/list_folder.h"
#include "support/recording_window.h"

namespace escartinol::testing {

struct LoadedGame {
    explicit LoadedGame(const CListFolder& folder, std::uint32_t seed = 9u) : LoadedGame(folder.Dir(), seed) {}
    explicit LoadedGame(const std::string& dir, std::uint32_t seed = 9u) : game(window, dir, seed) {
        game.OnInitDialog();
        game.OnTimer(kLoadTimerId);
    }
    // The letters typed into the entry box, ended with OK or not.
    void Enter(const std::string& text, bool ok = true) {
        window.entryAnswers.emplace_back(text, ok);
        game.ChooseLetters();
    }
    std::string Letters() const { return std::string(game.m_letters.begin(), game.m_letters.end()); }

    CRecordingWindow window;
    CGameDlg game;
};

}  // namespace escartinol::testing
