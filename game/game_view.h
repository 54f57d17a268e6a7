// The game's only way out to its window, in the game's own terms: tiles, result rows, the mouse, the two boxes.
#pragma once

#include <optional>
#include <string>

#include "board/tile_view.h"

namespace escartinol {

class IGameView : public ITileView {
public:
    // Shows tile i with letter (A..Z) at r, in front of the board panel and the slot frames.
    virtual void ShowTile(int tile, char letter, const Rect& r) = 0;
    virtual void HideTile(int tile) = 0;
    // Result row 0..2, top to bottom; text is cp1252, like every text of the core.
    virtual void SetRowText(int row, const std::string& text) = 0;
    // Runs the letter box modally: what was typed when it ended with OK, nothing when it was cancelled.
    virtual std::optional<std::string> RunLetterEntry() = 0;
    virtual void RunHelp() = 0;
};

}  // namespace escartinol
