// The board's pointer: every press outside the buttons and rows picks up, drags and drops as a mouse
// does on the desktop board, with the pointer captured so that the page neither scrolls nor loses it.
#include "web/board_pointer.h"

#include <cmath>
#include <string>

#include "web/window_scale.h"

namespace escartinol {

using emscripten::val;

namespace {

// How long a finger or pen stays down for the fifty draws, and how far it may wander meanwhile.
constexpr double kLongPressMilliseconds = 500;
constexpr double kLongPressSlop = 8;  // window pixels

// Buttons, rows and the offer of a new game take their own presses; the rest of the window is the board.
bool OnControl(const val& event) {
    return !event["target"].call<val>("closest", std::string("button, textarea")).isNull();
}

}  // namespace

CBoardPointer::CBoardPointer(CWebGame& game)
    : m_game(game),
      m_window(PageElement("window")),
      m_plane(PageElement("boardPlane")),
      m_longPress([this] { LongPress(); }) {
    Listen(m_window, "pointerdown", [this](const val& event) { OnPointerDown(event); });
    Listen(m_window, "pointermove", [this](const val& event) { OnPointerMove(event); });
    const auto dropOn = [this](bool cancel) {
        return [this, cancel](const val& event) {
            if (event["pointerId"].as<int>() == m_pointer) Drop(cancel);
        };
    };
    Listen(m_window, "pointerup", dropOn(false));
    Listen(m_window, "pointercancel", dropOn(true));
    Listen(m_window, "lostpointercapture", dropOn(true));
    // A right click makes fifty draws; a finger's long press is timed instead.
    Listen(m_window, "contextmenu", [this](const val& event) {
        if (OnControl(event)) return;
        event.call<void>("preventDefault");
        if (CGame* game = m_game.Game(); game && event["pointerType"].strictlyEquals(val("mouse")))
            game->RepeatedDraw();
    });
    // Leaving the page in the middle of a drag sends the tile home, as the desktop window does.
    Listen(val::global("window"), "blur", [this](const val&) { Drop(true); });
    Listen(val::global("document"), "visibilitychange", [this](const val&) {
        if (val::global("document")["hidden"].as<bool>()) Drop(true);
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
    if (OnControl(event) || event["button"].as<int>() != 0 || m_pointer) return;
    // The focus stays where it was, as a click on the desktop board leaves it.
    event.call<void>("preventDefault");
    m_pointer = event["pointerId"].as<int>();
    m_window.call<void>("setPointerCapture", *m_pointer);
    m_pressedAt = At(event);
    if (CGame* game = m_game.Game()) game->Press(m_pressedAt);
    if (!event["pointerType"].strictlyEquals(val("mouse"))) m_longPress.Start(kLongPressMilliseconds);
}

void CBoardPointer::OnPointerMove(const val& event) {
    if (m_pointer && event["pointerId"].as<int>() != *m_pointer) return;
    const Point p = At(event);
    if (m_longPress.IsActive() && std::hypot(p.x - m_pressedAt.x, p.y - m_pressedAt.y) > kLongPressSlop)
        m_longPress.Stop();
    if (CGame* game = m_game.Game()) game->Drag(p);
}

void CBoardPointer::Drop(bool cancel) {
    if (!m_pointer) return;
    m_longPress.Stop();
    const int id = *m_pointer;
    m_pointer.reset();
    if (CGame* game = m_game.Game()) {
        if (cancel)
            game->CancelDrag();
        else
            game->Release();
    }
    if (m_window.call<bool>("hasPointerCapture", id)) m_window.call<void>("releasePointerCapture", id);
}

void CBoardPointer::LongPress() {
    if (CGame* game = m_game.Game()) {
        game->CancelDrag();
        game->RepeatedDraw();
    }
}

}  // namespace escartinol
