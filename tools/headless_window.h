// A window with no screen: keeps the row texts so a tool can print what the game would show.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "game/game_view.h"

namespace escartinol {

class CHeadlessWindow : public IGameView {
public:
    const std::string& RowText(int row) const { return m_rowText[row]; }

    void SetRowText(int row, const std::string& text) override { m_rowText[row] = text; }
    void ShowTile(int, char, const Rect&) override {}
    void HideTile(int) override {}
    void MoveTile(int, const Rect&) override {}
    void CaptureMouse() override {}
    void ReleaseMouse() override {}
    std::optional<std::string> RunLetterEntry() override { return std::nullopt; }
    void RunHelp() override {}

private:
    std::array<std::string, 3> m_rowText;
};

}  // namespace escartinol
