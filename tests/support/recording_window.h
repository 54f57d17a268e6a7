// A fake window that keeps what the game shows and counts what it asks.
#pragma once

#include <array>
#include <deque>
#include <optional>
#include <string>

#include "game/game_view.h"

namespace escartinol::testing {

class CRecordingWindow : public IGameView {
public:
    int calls = 0;  // of any kind, for tests that judge whether the window was touched at all
    int releases = 0;
    std::array<std::string, 3> rowText;
    std::array<Rect, kTileCount> tileRect{};
    std::array<bool, kTileCount> tileShown{};
    std::array<char, kTileCount> tileLetter{};
    bool captured = false;
    // Scripted answers of the letter box: the text typed, or nothing for a cancelled box.
    std::deque<std::optional<std::string>> entryAnswers;
    // What the rows showed while the box was last open.
    std::array<std::string, 3> rowTextDuringEntry;

    void ShowTile(int tile, char letter, const Rect& r) override {
        ++calls;
        tileShown[tile] = true;
        tileLetter[tile] = letter;
        tileRect[tile] = r;
    }
    void HideTile(int tile) override { ++calls, tileShown[tile] = false; }
    void MoveTile(int tile, const Rect& r) override { ++calls, tileRect[tile] = r; }
    void SetRowText(int row, const std::string& text) override { ++calls, rowText[row] = text; }
    void CaptureMouse() override { ++calls, captured = true; }
    void ReleaseMouse() override { ++calls, ++releases, captured = false; }
    std::optional<std::string> RunLetterEntry() override {
        ++calls;
        rowTextDuringEntry = rowText;
        if (entryAnswers.empty()) return std::nullopt;
        auto answer = entryAnswers.front();
        entryAnswers.pop_front();
        return answer;
    }
    void RunHelp() override { ++calls; }

    std::string TileLetters() const { return std::string(tileLetter.begin(), tileLetter.end()); }
};

}  // namespace escartinol::testing
