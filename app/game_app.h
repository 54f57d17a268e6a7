// CGameApp: runs the game window modally; the program ends when it closes.
#pragma once

#include <string>

namespace escartinol {

class CGameApp {
public:
    // listDir holds the six lists; empty for the current folder.
    int Run(const std::string& listDir);
};

}  // namespace escartinol
