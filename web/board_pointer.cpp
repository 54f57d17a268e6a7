// The board's pointer: every press outside the buttons and rows picks up, drags and drops as a mouse
// does on the desktop board, with the pointer captured so that the page neither scrolls nor loses it.
#include "web/board_pointer.h"

#include <cmath>
#include <string>

#include "web/window_scale.h"

namespace escartinol {

using emscripten::val;

namespace {

// Buttons, rows and the offer of a new game take their own presses; the rest of the window is the board.
bool OnControl(const val& event) {
    return !event["target"].call<val>("closest", std::string("button, textarea")).isNull();
}

}  // namespace

CBoardPointer::CBoardPointer(CWebGame& game)
    : m_game(game), m_window(PageElement("window")), m_plane(PageElement("boardPlane")), m_longPress([this] {
          if (CGame* game = m_game.Game()) game->LongPressElapsed();
      }) {
    Listen(m_window, "pointerdown", [this](const val& event) { OnPointerDown(event); });
    Listen(m_window, "pointermove", [this](const val& event) {
        if (CGame* game = m_game.Game()) game->PointerMove(event["pointerId"].as<int>(), At(event));
    });
    Listen(m_window, "pointerup", [this](const val& event) {
        if (CGame* game = m_game.Game()) game->PointerUp(event["pointerId"].as<int>());
    });
    const auto lost = [this](const val& event) {
        if (CGame* game = m_game.Game()) game->PointerLost(event["pointerId"].as<int>());
    };
    Listen(m_window, "pointercancel", lost);
    Listen(m_window, "lostpointercapture", lost);
    // A right click makes fifty draws; a finger's long press is timed instead.
    Listen(m_window, "contextmenu", [this](const val& event) {
        if (OnControl(event)) return;
        event.call<void>("preventDefault");
        if (CGame* game = m_game.Game(); game && event["pointerType"].strictlyEquals(val("mouse")))
            game->PointerDown(event["pointerId"].as<int>(), At(event), PressKind::kOtherButton);
    });
    // Leaving the page in the middle of a drag sends the tile home, as the desktop window does.
    const auto leave = [this] {
        if (CGame* game = m_game.Game()) game->CancelDrag();
    };
    Listen(val::global("window"), "blur", [leave](const val&) { leave(); });
    Listen(val::global("document"), "visibilitychange", [leave](const val&) {
        if (val::global("document")["hidden"].as<bool>()) leave();
    });
}

Point CBoardPointer::At(const val& event) const {
    // The board's plane is in window pixels, scaled with the window or, on a narrow screen, alone.
    const val r = m_plane.call<val>("getBoundingClientRect");
    const double scale = r["width"].as<double>() / kWindowWidth;
    return {static_cast<std::int32_t>(std::floor((event["clientX"].as<double>() - r["left"].as<double>()) / scale)),
            static_cast<std::int32_t>(std::floor((event["clientY"].as<double>() - r["top"].as<double>()) / scale))};
}

void CBoardPointer::OnPointerDown(const val& event) {
    if (OnControl(event) || event["button"].as<int>() != 0) return;
    // The focus stays where it was, as a click on the desktop board leaves it.
    event.call<void>("preventDefault");
    CGame* game = m_game.Game();
    if (!game) return;
    // Captured, its moves and release come here wherever it goes; the game ignores a second finger's.
    const int pointer = event["pointerId"].as<int>();
    m_window.call<void>("setPointerCapture", pointer);
    const bool mouse = event["pointerType"].strictlyEquals(val("mouse"));
    game->PointerDown(pointer, At(event), mouse ? PressKind::kMainButton : PressKind::kTouch);
    if (game->LongPressPending()) m_longPress.Start(kLongPressMilliseconds);
}

}  // namespace escartinol
