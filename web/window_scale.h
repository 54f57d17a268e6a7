// The desktop window's size, in whose pixels the page places every control and the game the tiles;
// the style sheet scales the window, or the board alone on a narrow screen.
#pragma once

namespace escartinol {

inline constexpr int kWindowWidth = 644;
inline constexpr int kWindowHeight = 400;

}  // namespace escartinol
