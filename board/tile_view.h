// What the board needs from the view: moving a tile. Qt holds the mouse for the widget while the
// button is down, so the board asks for no capture.
#pragma once

#include "board/geometry.h"

namespace escartinol {

class ITileView {
public:
    virtual ~ITileView() = default;
    // Moves tile i to r and puts it in front of the other tiles and the rows, which it may pass over.
    virtual void MoveTile(int tile, const Rect& r) = 0;
};

}  // namespace escartinol
