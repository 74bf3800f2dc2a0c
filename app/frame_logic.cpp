#include "app/frame_logic.h"

#include "engine/field_game.h"
#include "engine/settings.h"
#include "score/score_keeper.h"

CFrameLogic::CFrameLogic(CFieldGame& field, CScoreKeeper& scoreBar, CTimerHost& timers,
                         CFrameDisplay& display)
    : m_wndField(field), m_wndScoreBar(scoreBar), m_timers(timers), m_display(display) {}

bool CFrameLogic::IsEnabled(unsigned id) const {
    const bool advanced = g_classical == 0;
    switch (id) {
    case ID_GAME_START:
        return CanStart() != 0;
    case ID_GAME_STOP:
        return Running() != 0;
    case ID_GAME_UNDO:
        return CanUndo() != 0 && advanced;
    case ID_GAME_SKIP:
    case ID_GAME_PAUSE:
        return Running() != 0 && advanced;
    case ID_OPTIONS_CLASSICAL:
    case ID_OPTIONS_ADVANCED:
    case ID_OPTIONS_NONROUND:
        return Running() == 0;
    case ID_OPTIONS_SOUND:
    case ID_OPTIONS_SAVE:
    case ID_HELP_HOWTOPLAY:
    case ID_APP_ABOUT:
    case ID_APP_EXIT:
        return true;
    default:
        return false;
    }
}

bool CFrameLogic::IsChecked(unsigned id) const {
    switch (id) {
    case ID_OPTIONS_CLASSICAL:
        return g_classical != 0;
    case ID_OPTIONS_ADVANCED:
        return g_classical == 0;
    case ID_OPTIONS_NONROUND:
        return g_roundBalls == 0;
    case ID_OPTIONS_SOUND:
        return g_soundOn != 0;
    case ID_OPTIONS_SAVE:
        return g_saveOnExit != 0;
    default:
        return false;
    }
}

bool CFrameLogic::OnCommand(unsigned id) {
    if (!IsEnabled(id)) return false;
    switch (id) {
    case ID_GAME_START:
        OnStart();
        break;
    case ID_GAME_STOP:
        OnStop();
        break;
    case ID_GAME_UNDO:
        OnUndo();
        break;
    case ID_GAME_SKIP:
        OnSkip();
        break;
    case ID_GAME_PAUSE:
        OnPause();
        break;
    case ID_OPTIONS_CLASSICAL:
        OnClassicalStyle();
        break;
    case ID_OPTIONS_ADVANCED:
        OnAdvancedStyle();
        break;
    case ID_OPTIONS_NONROUND:
        OnNonRoundBalls();
        break;
    case ID_OPTIONS_SOUND:
        OnSound();
        break;
    case ID_OPTIONS_SAVE:
        OnSaveOptions();
        break;
    case ID_HELP_HOWTOPLAY:
        m_display.OnHowToPlay();
        break;
    case ID_APP_ABOUT:
        m_display.OnAppAbout();
        break;
    case ID_APP_EXIT:
        m_display.OnAppExit();
        break;
    }
    return true;
}

void CFrameLogic::OnStart() {
    m_display.EnableClockFields(g_classical == 0);
    m_playSeconds = 0;
    m_playTimerId = m_timers.SetTimer(kPlayTimer, 1000);
    m_wndField.StartGame();
}

void CFrameLogic::OnStop() {
    if (m_playTimerId != 0) m_timers.KillTimer(m_playTimerId);
    m_wndField.StopGame();
}

void CFrameLogic::OnUndo() {
    m_wndField.Undo();
}

void CFrameLogic::OnSkip() {
    m_wndField.SkipMove(0);
}

// The move clock stands still while the box is open; the playing time does not.
void CFrameLogic::OnPause() {
    m_wndScoreBar.Hold().HoldForPauseBox(true);
    m_wndField.ShowPaused();
    m_display.RunPauseBox();
    m_wndField.ShowResumed();
    m_wndScoreBar.Hold().HoldForPauseBox(false);
}

void CFrameLogic::OnClassicalStyle() {
    g_classical = 1;
}

void CFrameLogic::OnAdvancedStyle() {
    g_classical = 0;
}

void CFrameLogic::OnNonRoundBalls() {
    g_roundBalls = g_roundBalls == 0 ? 1 : 0;
}

void CFrameLogic::OnSound() {
    g_soundOn = g_soundOn == 0 ? 1 : 0;
}

void CFrameLogic::OnSaveOptions() {
    g_saveOnExit = g_saveOnExit == 0 ? 1 : 0;
}

void CFrameLogic::OnTimer(unsigned id) {
    if (id != 0 && id == m_playTimerId && Running() != 0) ++m_playSeconds;
}
