// CGameApp: runs the game window modally; the program ends when it closes.
#pragma once

namespace escartinol {

class CGameApp {
public:
    int Run();
};

}  // namespace escartinol
