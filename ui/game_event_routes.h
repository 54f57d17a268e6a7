// The routing table of the game window: which CGameDlg handler each window event reaches.
#pragma once

#include <span>

#include "board/geometry.h"
#include "game/game_dlg.h"

namespace escartinol {

enum class GameEvent {
    Paint,
    MinimisedIconQuery,
    PointerMoved,
    ButtonClicked,
    LeftPressed,
    LeftReleased,
    RightPressed,  // only outside the push buttons and the result rows
    Timer,
    Destroyed,
    CaptureLost,  // the window lost the mouse while a drag held it
};

struct GameEventArgs {
    int controlId = 0;  // the clicked button
    Point point{};      // client-area pixels
    int timerId = 0;
};

struct GameEventRoute {
    GameEvent event;
    int controlId;  // the button, for ButtonClicked
    // Null where Qt's own handling does what the game asks: default painting, the window icon.
    void (*handler)(CGameDlg& game, const GameEventArgs& args);
};

std::span<const GameEventRoute> GameEventRoutes();

// Runs the handler of the row for this event; false when no row has one.
bool RouteGameEvent(CGameDlg& game, GameEvent event, const GameEventArgs& args = {});

}  // namespace escartinol
