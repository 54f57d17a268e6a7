// The window keeps its 644 x 400 pixels, scaled as a whole to the browser's window.
#pragma once

namespace escartinol {

// The desktop window's size, in which the page places every control.
inline constexpr int kWindowWidth = 644;
inline constexpr int kWindowHeight = 400;

// Scales the window now and whenever the browser's window changes size.
void KeepWindowScaled();

}  // namespace escartinol
