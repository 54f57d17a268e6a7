// A fake window that keeps what the game shows.
#pragma once

#include <array>
#include <string>

#include "game/game_view.h"

namespace escartinol::testing {

class CRecordingWindow : public IGameView {
public:
    std::array<std::string, kRowCount> rowText;
    std::array<Rect, kTileCount> tileRect{};
    std::array<bool, kTileCount> tileShown{};
    std::array<char, kTileCount> tileLetter{};
    int litLength = 0;
    std::string progress;

    void ShowTile(int tile, char letter, const Rect& r) override {
        tileShown[tile] = true;
        tileLetter[tile] = letter;
        tileRect[tile] = r;
    }
    void HideTile(int tile) override { tileShown[tile] = false; }
    void MoveTile(int tile, const Rect& r) override { tileRect[tile] = r; }
    void SetRowText(int row, const std::string& text) override { rowText[row] = text; }
    void LightWord(int length) override { litLength = length; }
    void SetProgressText(const std::string& text) override { progress = text; }

    std::string TileLetters() const { return std::string(tileLetter.begin(), tileLetter.end()); }
};

}  // namespace escartinol::testing
