// The game's only way out to its window: every operation the core asks of a front end.
#pragma once

#include <string>

#include "board/tile_window.h"

namespace escartinol {

using ImageHandle = int;
inline constexpr ImageHandle kNoImage = -1;

class IWindowOps : public ITileWindow {
public:
    // Sets the big and the small window icon from icon resource iconId.
    virtual void SetIcon(int iconId) = 0;
    virtual ImageHandle LoadImage(int imageId) = 0;
    virtual void ReleaseImage(ImageHandle image) = 0;
    virtual void SetTileImage(int tile, ImageHandle image) = 0;
    virtual void HideTile(int tile) = 0;
    // Shows the tile at r and puts it in front of the board panel and the slot frames.
    virtual void ShowTile(int tile, const Rect& r) = 0;
    // text is cp1252, like every text of the core.
    virtual void SetControlText(int controlId, const std::string& text) = 0;
    virtual void StartTimer(int timerId, int milliseconds) = 0;
    virtual void StopTimer(int timerId) = 0;
    // Runs the letter-entry box modally; true when it ended with OK. text receives what was typed.
    virtual bool RunLetterEntry(std::string& text) = 0;
    virtual void RunHelp() = 0;
};

}  // namespace escartinol
