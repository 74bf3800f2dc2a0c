// The board and the score panel in a plain window, for trying the widgets by
// hand. Options: --classical, --non-round, --quiet. The hall of fame is kept
// in marbix-board.INI in the user's configuration directory.
#include "app/settings.h"
#include "platform/profile.h"
#include "sound/qt_cue_player.h"
#include "sound/sound_module.h"
#include "view/host_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    g_classical = args.contains(QStringLiteral("--classical")) ? 1 : 0;
    g_roundBalls = args.contains(QStringLiteral("--non-round")) ? 0 : 1;
    g_soundOn = args.contains(QStringLiteral("--quiet")) ? 0 : 1;
    SetProfilePath(DefaultProfilePath(CurrentExecutablePath()));

    LoadSoundModule();
    CQtCuePlayer player;
    player.Preload();
    SetCuePlayer(&player);

    CHostWindow window;
    if (!window.Create()) return 1;
    window.show();
    const int status = app.exec();
    SetCuePlayer(nullptr);
    return status;
}
