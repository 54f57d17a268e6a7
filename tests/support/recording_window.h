// A fake window that keeps what the game shows and counts the calls.
#pragma once

#include <array>
#include <string>

#include "game/game_view.h"

namespace escartinol::testing {

class CRecordingWindow : public IGameView {
public:
    int calls = 0;  // of any kind, for tests that judge whether the window was touched at all
    std::array<std::string, kRowCount> rowText;
    std::array<Rect, kTileCount> tileRect{};
    std::array<bool, kTileCount> tileShown{};
    std::array<char, kTileCount> tileLetter{};
    int litLength = 0;
    std::string progress;

    void ShowTile(int tile, char letter, const Rect& r) override {
        ++calls;
        tileShown[tile] = true;
        tileLetter[tile] = letter;
        tileRect[tile] = r;
    }
    void HideTile(int tile) override { ++calls, tileShown[tile] = false; }
    void MoveTile(int tile, const Rect& r) override { ++calls, tileRect[tile] = r; }
    void SetRowText(int row, const std::string& text) override { ++calls, rowText[row] = text; }
    void LightWord(int length) override { ++calls, litLength = length; }
    void SetProgressText(const std::string& text) override { ++calls, progress = text; }

    std::string TileLetters() const { return std::string(tileLetter.begin(), tileLetter.end()); }
};

}  // namespace escartinol::testing
