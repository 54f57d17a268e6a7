// The game window's events and the handlers they reach, in one table.
#include "ui/game_event_routes.h"

#include "game/control_ids.h"

namespace escartinol {

namespace {

using Args = GameEventArgs;

// clang-format off
constexpr GameEventRoute kRoutes[] = {
    {GameEvent::Paint,              0,                  nullptr},
    {GameEvent::MinimisedIconQuery, 0,                  nullptr},
    {GameEvent::PointerMoved,       0,                  [](CGameDlg& g, const Args& a) { g.OnMouseMove(a.point); }},
    {GameEvent::ButtonClicked,      kIdDrawButton,      [](CGameDlg& g, const Args&) { g.DrawRandomLetters(); }},
    {GameEvent::LeftPressed,        0,                  [](CGameDlg& g, const Args& a) { g.OnLButtonDown(a.point); }},
    {GameEvent::LeftReleased,       0,                  [](CGameDlg& g, const Args&) { g.OnLButtonUp(); }},
    {GameEvent::ButtonClicked,      kIdSolutionsButton, [](CGameDlg& g, const Args&) { g.ShowSolutions(); }},
    {GameEvent::RightPressed,       0,                  [](CGameDlg& g, const Args&) { g.RepeatedDraw(); }},
    {GameEvent::Timer,              0,                  [](CGameDlg& g, const Args& a) { g.OnTimer(a.timerId); }},
    {GameEvent::ButtonClicked,      kIdChooseButton,    [](CGameDlg& g, const Args&) { g.ChooseLetters(); }},
    {GameEvent::Destroyed,          0,                  [](CGameDlg& g, const Args&) { g.OnDestroy(); }},
    {GameEvent::ButtonClicked,      kIdHelpButton,      [](CGameDlg& g, const Args&) { g.ShowHelp(); }},
    {GameEvent::CaptureLost,        0,                  [](CGameDlg& g, const Args&) { g.OnCaptureLost(); }},
};
// clang-format on

}  // namespace

std::span<const GameEventRoute> GameEventRoutes() { return kRoutes; }

bool RouteGameEvent(CGameDlg& game, GameEvent event, const GameEventArgs& args) {
    for (const GameEventRoute& route : kRoutes) {
        if (route.event != event || (event == GameEvent::ButtonClicked && route.controlId != args.controlId)) continue;
        if (!route.handler) return false;
        route.handler(game, args);
        return true;
    }
    return false;
}

}  // namespace escartinol
