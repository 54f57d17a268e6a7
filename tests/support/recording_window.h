// A fake window that keeps what the game shows and logs what it asks, in order.
#pragma once

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "game/game_view.h"

namespace escartinol::testing {

class CRecordingWindow : public IGameView {
public:
    // One entry a call ("show 3", "move 3", "row 0", "capture", ...), for tests that judge an order.
    std::vector<std::string> calls;
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
        Log("show", tile);
        tileShown[tile] = true;
        tileLetter[tile] = letter;
        tileRect[tile] = r;
    }
    void HideTile(int tile) override { tileShown[Log("hide", tile)] = false; }
    void MoveTile(int tile, const Rect& r) override { tileRect[Log("move", tile)] = r; }
    void SetRowText(int row, const std::string& text) override { rowText[Log("row", row)] = text; }
    void CaptureMouse() override {
        calls.push_back("capture");
        captured = true;
    }
    void ReleaseMouse() override {
        calls.push_back("release");
        captured = false;
    }
    std::optional<std::string> RunLetterEntry() override {
        calls.push_back("letter entry");
        rowTextDuringEntry = rowText;
        if (entryAnswers.empty()) return std::nullopt;
        auto answer = entryAnswers.front();
        entryAnswers.pop_front();
        return answer;
    }
    void RunHelp() override { calls.push_back("help"); }

    std::string TileLetters() const { return std::string(tileLetter.begin(), tileLetter.end()); }

private:
    // Records the call and hands its number back, so that an override can record and index at once.
    int Log(const char* what, int number) {
        // Appended piece by piece: GCC 12 warns, wrongly, of an overlap in const char* + string&&.
        std::string call = what;
        call += ' ';
        call += std::to_string(number);
        calls.push_back(std::move(call));
        return number;
    }
};

}  // namespace escartinol::testing
