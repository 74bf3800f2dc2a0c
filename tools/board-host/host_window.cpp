#include "tools/board-host/host_window.h"

#include "app/main_frame.h"
#include "app/window_game.h"

#include <QAction>
#include <QDockWidget>
#include <QMessageBox>

CHostWindow::CHostWindow(CProfile profile, CCuePlayer* cues, QWidget* parent)
    : QMainWindow(parent), m_playTimer([this](unsigned id) {
          m_game->Frame().OnTimer(id);
          ShowPlayTime();
      }),
      m_clockTimer([this](unsigned id) { m_game->Score().OnTimer(id); }),
      m_profile(std::move(profile)), m_cues(cues) {
    setObjectName(QStringLiteral("host"));
}

bool CHostWindow::Create() {
    if (!m_wndScoreBar.Create(this)) return false;
    m_dock = new QDockWidget(this);
    m_dock->setObjectName(QStringLiteral("scoreDock"));
    m_dock->setTitleBarWidget(new QWidget(m_dock));
    m_dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
    m_dock->setAllowedAreas(Qt::RightDockWidgetArea);
    m_dock->setWidget(&m_wndScoreBar);
    addDockWidget(Qt::RightDockWidgetArea, m_dock);

    m_game = MakeWindowGame(this, kFieldId, m_wndField, m_wndScoreBar, m_clockTimer, m_playTimer,
                            *this, m_profile, m_cues);
    if (!m_game) return false;
    setCentralWidget(&m_wndField);

    AddCommandKey(ID_GAME_START, Qt::Key_F2);
    AddCommandKey(ID_GAME_STOP, Qt::Key_F3);
    AddCommandKey(ID_GAME_UNDO, Qt::Key_Backspace);
    AddCommandKey(ID_GAME_SKIP, Qt::Key_S);
    AddCommandKey(ID_GAME_PAUSE, Qt::Key_P);
    ShowPlayTime();
    return true;
}

void CHostWindow::AddCommandKey(unsigned id, const QKeySequence& key) {
    auto* action = new QAction(this);
    action->setShortcut(key);
    connect(action, &QAction::triggered, this, [this, id] { m_game->Frame().OnCommand(id); });
    addAction(action);
}

void CHostWindow::ShowPlayTime() {
    setWindowTitle(QStringLiteral("Marbix - ") + PlayTimeShown(m_game->Frame().PlaySeconds()));
}

void CHostWindow::EnableClockFields(bool enable) {
    m_wndScoreBar.EnableClockFields(enable);
}

void CHostWindow::RunPauseBox() {
    QMessageBox::information(this, QStringLiteral("Marbix - paused"),
                             QStringLiteral("Press OK to continue the game"));
}
