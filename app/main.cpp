// Program start: the options, then the game window over the lists they lead to.
#include <QApplication>

#include "app/game_options.h"
#include "ui/game_window.h"
#include "version.h"

int main(int argc, char** argv) {
    QApplication::setApplicationName("escartinol");
    QApplication::setApplicationVersion(ESCARTINOL_VERSION);
    escartinol::CGameOptions options;
    if (const auto status = options.ReadBeforeWindow(argc, argv)) return *status;
    QApplication application(argc, argv);
    // The desktop entry's name, so that a desktop matches the window with its entry and icon.
    QGuiApplication::setDesktopFileName("org.escartinol.Escartinol");
    if (const auto status = options.ReadAfterWindow(QApplication::arguments(), QApplication::applicationDirPath()))
        return *status;
    escartinol::CGameWindow window(options.ListDir(), {}, options.Letters(), options.Lang());
    if (options.Day()) window.PlayDay(*options.Day());
    window.exec();
    // However the window ended, the game is over.
    return 0;
}
