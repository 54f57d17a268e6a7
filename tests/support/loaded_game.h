// A game over a folder's lists, past its start-up, driven through the recording window.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "game/game.h"
#include "support/list_folder.h"
#include "support/recording_window.h"

namespace escartinol::testing {

struct LoadedGame {
    explicit LoadedGame(const std::string& dir, std::uint32_t seed = 9u, ListHolding holding = ListHolding::kIndexed)
        : game(window, dir, seed, holding) {
        game.Start();
        game.LoadLists();
    }
    // The letters typed into the box, ended with OK or not, as a front end hands them over.
    void Enter(const std::string& text, bool ok = true) {
        game.BeginLetterEntry();
        rowTextDuringEntry = window.rowText;
        game.ApplyLetterEntry(ok ? std::optional(text) : std::nullopt);
    }
    // How often the search looked nine letters up: once per search of a draw.
    long NineLetterLookups() const { return game.WordLists().LookupCount(kMaxWordLength); }

    CRecordingWindow window;
    CGame game;
    // What the rows showed while the box was last open.
    std::array<std::string, kRowCount> rowTextDuringEntry;
};

}  // namespace escartinol::testing
