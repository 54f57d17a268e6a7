// A fake window that records every operation the core asks of it, in order.
#pragma once

#include <array>
#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "game/control_ids.h"
#include "game/window_ops.h"

namespace escartinol::testing {

class CRecordingWindow : public IWindowOps {
public:
    std::vector<std::string> calls;
    std::array<std::string, 3> rowText;
    std::array<Rect, 9> tileRect{};
    std::array<bool, 9> tileShown{};
    std::array<ImageHandle, 9> tileImage{};
    std::vector<ImageHandle> released;
    bool captured = false;
    // Scripted answers of the letter-entry box: text and whether it ended with OK.
    std::deque<std::pair<std::string, bool>> entryAnswers;

    void SetControlText(int controlId, const std::string& text) override {
        calls.push_back("text " + std::to_string(controlId) + " " + text);
        for (int row = 0; row < 3; ++row)
            if (kRowIds[row] == controlId) rowText[row] = text;
    }
    void MoveTile(int tile, const Rect& r) override { tileRect[Log("move", tile)] = r; }
    void CaptureMouse() override {
        calls.push_back("capture");
        captured = true;
    }
    void ReleaseMouse() override {
        calls.push_back("release");
        captured = false;
    }
    void SetIcon(int iconId) override { Log("icon", iconId); }
    ImageHandle LoadImage(int imageId) override { return Log("load", imageId); }
    void ReleaseImage(ImageHandle image) override { released.push_back(Log("free", image)); }
    void SetTileImage(int tile, ImageHandle image) override { tileImage[Log("image", tile)] = image; }
    void HideTile(int tile) override { tileShown[Log("hide", tile)] = false; }
    void ShowTile(int tile, const Rect& r) override {
        tileShown[Log("show", tile)] = true;
        tileRect[tile] = r;
    }
    void StartTimer(int timerId, int milliseconds) override {
        calls.push_back("start timer " + std::to_string(timerId) + " " + std::to_string(milliseconds));
    }
    void StopTimer(int timerId) override { Log("stop timer", timerId); }
    bool RunLetterEntry(std::string& text) override {
        calls.push_back("letter entry");
        if (entryAnswers.empty()) return false;
        auto [answer, ok] = entryAnswers.front();
        entryAnswers.pop_front();
        text = answer;
        return ok;
    }
    void RunHelp() override { calls.push_back("help"); }

    // The letters the tiles show, read back from their images.
    std::string TileLetters() const {
        std::string letters;
        for (const ImageHandle image : tileImage) letters += static_cast<char>('A' + image - kIdFirstLetterImage);
        return letters;
    }

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
