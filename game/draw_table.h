// The weighted letter table of the random draw: French letter frequencies over 0..32767.
#pragma once

namespace escartinol {

inline constexpr int kDrawRange = 32768;

// Letter of the draw table for r in 0..32767; W never comes out.
char LetterForDraw(int r);

}  // namespace escartinol
