#include "app/game_app.h"

#include "app/app_settings.h"
#include "app/main_frame.h"
#include "platform/resources.h"
#include "sound/sound_service.h"

#include <QEvent>
#include <QTimer>

CGameApp::CGameApp(CProfile profile, std::string gamesFolder)
    : m_profile(std::move(profile)), m_gamesFolder(std::move(gamesFolder)) {}

CGameApp::~CGameApp() {
    delete m_pMainWnd;
}

bool CGameApp::InitInstance() {
    m_pMainWnd = new CMainFrame(m_profile, m_gamesFolder);
    m_pMainWnd->LoadFrame();
    // Nothing the first paint does not show comes before it: the sound
    // module is read and the sound device wakes after it.
    if (m_startSoundService) m_pMainWnd->centralWidget()->installEventFilter(this);
    m_pMainWnd->ActivateFrame();
    LoadSettings(m_profile);
    return true;
}

bool CGameApp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        QTimer::singleShot(0, this, &CGameApp::StartSoundService);
    }
    return QObject::eventFilter(watched, event);
}

void CGameApp::StartSoundService() {
    if (m_cuePlayer || !m_pMainWnd) return;
    LoadSoundModule();
    m_cuePlayer = LoadSoundService(WaveBytes);
    if (!m_cuePlayer) return;
    m_cuePlayer->Preload(g_soundModule != nullptr);
    m_pMainWnd->SendCuesTo(m_cuePlayer.get());
}

int CGameApp::ExitInstance(int exitCode) {
    // Also when the loop ended without the window being closed.
    if (m_pMainWnd) m_pMainWnd->SaveWindowPlacement();
    delete m_pMainWnd;
    m_pMainWnd = nullptr;
    SaveSettings(m_profile);
    m_cuePlayer.reset();
    return exitCode;
}
