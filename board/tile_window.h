// What the board needs from the window: moving a tile and holding the mouse during a drag.
#pragma once

#include "board/geometry.h"

namespace escartinol {

class ITileWindow {
public:
    virtual ~ITileWindow() = default;
    // Moves tile control 1000 + tile to r and repaints it.
    virtual void MoveTile(int tile, const Rect& r) = 0;
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;
};

}  // namespace escartinol
