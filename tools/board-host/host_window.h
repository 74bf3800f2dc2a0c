// A plain window around the board and the score panel, for development and
// the view benchmark: the board in the middle, the panel docked at the right edge, the
// commands on keys (F2 Start, F3 Stop, Backspace Undo, S Skip, P Pause) and
// the playing time in the caption. No menu, toolbar or status bar.
#pragma once

#include "app/game.h"
#include "platform/timer_host.h"
#include "score/score_bar.h"
#include "view/field_wnd.h"

#include <QMainWindow>
#include <memory>

class QDockWidget;

class CHostWindow : public QMainWindow, public CFrameDisplay {
    Q_OBJECT
public:
    static constexpr int kFieldId = kFieldWndId;

    // The hall of fame is kept in profile (none: for this run only); the cues
    // play on cues (none: silent), which must outlive the window.
    explicit CHostWindow(CProfile profile = CProfile(), CCuePlayer* cues = nullptr,
                         QWidget* parent = nullptr);

    // Builds the panel, the game, then the board, as the main frame does;
    // false when either cannot be built.
    bool Create();

    CGame& Game() { return *m_game; }

    CScoreBar m_wndScoreBar;
    CFieldWnd m_wndField;
    QDockWidget* m_dock = nullptr;
    CQtTimerHost m_playTimer;
    CQtTimerHost m_clockTimer;

    void EnableClockFields(bool enable) override;
    void RunPauseBox() override;

private:
    void AddCommandKey(unsigned id, const QKeySequence& key);
    void ShowPlayTime();

    CProfile m_profile;
    CCuePlayer* m_cues;
    std::unique_ptr<CGame> m_game;
};
