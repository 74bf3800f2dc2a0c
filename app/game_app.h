// Start-up and shut-down of the program around the main window.
#pragma once

#include "platform/profile.h"

#include <QObject>
#include <memory>
#include <string>

class CMainFrame;
class CSoundService;

class CGameApp : public QObject {
    Q_OBJECT
public:
    // The settings, the placement and the hall of fame are kept in profile,
    // the games played in gamesFolder (none: not on disk).
    explicit CGameApp(CProfile profile, std::string gamesFolder = std::string());
    ~CGameApp() override;

    // Builds and shows the main window, then reads the settings. The sound
    // module is loaded and the sound service started once the window has been
    // painted.
    bool InitInstance();
    // Takes the main window down (a running game is dropped without an entry
    // in the hall of fame), writes the settings while saving is on, and
    // returns exitCode.
    int ExitInstance(int exitCode);

    CMainFrame* m_pMainWnd = nullptr;
    // Off in tests that bring their own cue player.
    bool m_startSoundService = true;
    std::unique_ptr<CSoundService> m_cuePlayer;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StartSoundService();

    CProfile m_profile;
    std::string m_gamesFolder;
};
