// The application object does nothing but run the game window.
#include "app/game_app.h"

#include "ui/game_window.h"

namespace escartinol {

int CGameApp::Run(const std::string& listDir) {
    CGameWindow window(listDir);
    window.exec();
    // However the window ended, the game is over.
    return 0;
}

}  // namespace escartinol
