// Marbix: a puzzle of coloured balls on a 9 × 9 board.
#include "app/command_line.h"
#include "app/game_app.h"
#include "app/language.h"
#include "platform/profile.h"

#include <QApplication>
#include <iostream>

int main(int argc, char** argv) {
    // Answered before the toolkit starts: no display is needed for these.
    const CCommandLineResult line =
        ReadCommandLine(argc, argv, std::cout, std::cerr, CommandLineLanguage());
    if (line.exit) return line.exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marbix"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.marbix.marbix"));
    InstallLanguage();

    CGameApp theApp{CProfile(DefaultProfilePath(CurrentExecutablePath()))};
    theApp.InitInstance();
    const int code = QApplication::exec();
    return theApp.ExitInstance(code);
}
