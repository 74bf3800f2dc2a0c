// Marbix: a puzzle of coloured balls on a 9 × 9 board.
#include "app/game_app.h"
#include "platform/profile.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marbix"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.marbix.marbix"));
    SetProfilePath(DefaultProfilePath(CurrentExecutablePath()));

    CGameApp theApp;
    theApp.InitInstance();
    const int code = QApplication::exec();
    return theApp.ExitInstance(code);
}
