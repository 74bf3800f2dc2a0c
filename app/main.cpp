// Marbix: a puzzle of coloured balls on a 9 × 9 board.
#include "app/command_line.h"
#include "app/game_app.h"
#include "app/language.h"
#include "app/main_frame.h"
#include "platform/profile.h"
#include "record/record_store.h"

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

    CGameApp theApp{CProfile(DefaultProfilePath(CurrentExecutablePath())), DefaultGamesFolder()};
    theApp.InitInstance();
    if (!line.file.empty())
        theApp.m_pMainWnd->Watching().Watcher().WatchFile(
            QString::fromLocal8Bit(line.file.c_str()));
    const int code = QApplication::exec();
    return theApp.ExitInstance(code);
}
