// escartinol-screenshot LISTDIR OUT.png [LETTERS]: the game window, lists loaded, saved as an image.
#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <cstdio>

#include "ui/game_window.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: escartinol-screenshot LISTDIR OUT.png [LETTERS]\n");
        return 2;
    }
    escartinol::CGameWindow window(argv[1], 1u);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!window.Game().ListsLoaded() && waited.elapsed() < 60000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!window.Game().ListsLoaded()) {
        std::fprintf(stderr, "escartinol-screenshot: the lists did not load\n");
        return 1;
    }
    // Letters of the player's choosing, as "Chausit" would take them: random draws rarely show three rows.
    if (argc == 4) window.Game().ApplyLetterEntry(argv[3]);
    if (!window.grab().save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "escartinol-screenshot: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
