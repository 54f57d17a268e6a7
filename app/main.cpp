// Program start: the command line is not read.
#include <QApplication>

#include "app/game_app.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    return escartinol::CGameApp().Run();
}
