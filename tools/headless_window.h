// A window with no screen: keeps the row texts so a tool can print what the game would show.
#pragma once

#include <array>
#include <string>

#include "game/control_ids.h"
#include "game/window_ops.h"

namespace escartinol {

class CHeadlessWindow : public IWindowOps {
public:
    const std::string& RowText(int row) const { return m_rowText[row]; }

    void SetControlText(int controlId, const std::string& text) override {
        for (int row = 0; row < 3; ++row)
            if (kRowIds[row] == controlId) m_rowText[row] = text;
    }
    void MoveTile(int, const Rect&) override {}
    void CaptureMouse() override {}
    void ReleaseMouse() override {}
    void SetIcon(int) override {}
    ImageHandle LoadImage(int imageId) override { return imageId; }
    void ReleaseImage(ImageHandle) override {}
    void SetTileImage(int, ImageHandle) override {}
    void HideTile(int) override {}
    void ShowTile(int, const Rect&) override {}
    void StartTimer(int, int) override {}
    void StopTimer(int) override {}
    bool RunLetterEntry(std::string&) override { return false; }
    void RunHelp() override {}

private:
    std::array<std::string, 3> m_rowText;
};

}  // namespace escartinol
