// Tiles dragged with a mouse, a pen or a finger, and the fifty draws by a right click or a long press.
#pragma once

#include <emscripten/val.h>

#include "board/geometry.h"
#include "web/page_events.h"
#include "web/web_game.h"

namespace escartinol {

class CBoardPointer {
public:
    explicit CBoardPointer(CWebGame& game);
    CBoardPointer(const CBoardPointer&) = delete;
    CBoardPointer& operator=(const CBoardPointer&) = delete;

private:
    void OnPointerDown(const emscripten::val& event);
    // The window pixel under the event, wherever the page has placed and scaled the board.
    Point At(const emscripten::val& event) const;

    CWebGame& m_game;
    emscripten::val m_window;
    emscripten::val m_plane;
    COneShotTimer m_longPress;
};

}  // namespace escartinol
