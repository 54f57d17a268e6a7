// Tiles dragged with a mouse, a pen or a finger, and the fifty draws by a right click or a long press.
#pragma once

#include <emscripten/val.h>

#include <optional>

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
    void OnPointerMove(const emscripten::val& event);
    // The pointer that drags is up (a drop), or was taken away (the tile goes home).
    void Drop(bool cancel);
    void LongPress();
    // The window pixel under the event, wherever the page has placed and scaled the board.
    Point At(const emscripten::val& event) const;

    CWebGame& m_game;
    emscripten::val m_window;
    emscripten::val m_plane;
    // The pointer that drags, while one does; the others are ignored until it is up.
    std::optional<int> m_pointer;
    Point m_pressedAt;
    COneShotTimer m_longPress;
};

}  // namespace escartinol
