// The board and the score panel in a plain window, for trying the widgets by
// hand. Options: --classical, --non-round, --quiet. The hall of fame is kept
// in marbix-board.INI in the user's configuration directory.
//
// --picture FILE PROFILE plays a scripted game on the hall of fame of PROFILE
// and saves a picture of the window to FILE instead (with
// QT_QPA_PLATFORM=offscreen it needs no display).
#include "engine/settings.h"
#include "platform/profile.h"
#include "platform/resources.h"
#include "sound/sound_service.h"
#include "tools/board-host/host_window.h"
#include "tools/board-host/scripted_game.h"

#include <QApplication>
#include <QTest>
#include <filesystem>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    g_classical = args.contains(QStringLiteral("--classical")) ? 1 : 0;
    g_roundBalls = args.contains(QStringLiteral("--non-round")) ? 0 : 1;
    g_soundOn = args.contains(QStringLiteral("--quiet")) ? 0 : 1;
    const qsizetype picture = args.indexOf(QStringLiteral("--picture"));
    const CProfile profile(picture > 0 && picture + 2 < args.size()
                               ? args[picture + 2].toStdString()
                               : DefaultProfilePath(CurrentExecutablePath()));

    // The plugin and the module of the program in the build folder above.
    const std::string buildDir = std::filesystem::path(ProgramDir()).parent_path().string();
    LoadSoundModuleFrom({OwnSoundModulePath(buildDir)});
    std::unique_ptr<CSoundService> player =
        LoadSoundServiceFrom(SoundPluginPath(buildDir), WaveBytes);
    if (player) player->Preload(g_soundModule != nullptr);

    CHostWindow window(profile, player.get());
    if (!window.Create()) return 1;
    window.show();
    if (picture > 0 && picture + 2 < args.size()) {
        // Let the window take its size before the game and the picture.
        if (!QTest::qWaitForWindowExposed(&window)) return 1;
        QTest::qWait(50);
        PlayScriptedGame(window, 60);
        return window.grab().save(args[picture + 1]) ? 0 : 1;
    }
    return app.exec();
}
