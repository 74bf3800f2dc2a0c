#include "score/score_keeper.h"

#include "engine/field_game.h"

CScoreKeeper::CScoreKeeper(CFieldGame* fieldWnd, CTimerHost* timers) {
    Attach(fieldWnd, timers);
}

void CScoreKeeper::Attach(CFieldGame* fieldWnd, CTimerHost* timers) {
    m_fieldWnd = fieldWnd;
    m_timers = timers;
}

void CScoreKeeper::ResetScore() {
    m_score = 0;
    Refresh();
}

void CScoreKeeper::AddScore(unsigned points) {
    m_score += points;
    Refresh();
}

void CScoreKeeper::SaveScore() {
    m_savedScore = m_score;
}

void CScoreKeeper::RestoreScore() {
    m_score = m_savedScore;
    Refresh();
}

int CScoreKeeper::StartMoveClock(unsigned seconds) {
    m_secondsLeft = seconds;
    Refresh();
    // Starting again replaces the running timer: the next tick comes a
    // full second after the restart.
    m_timerId = m_timers ? m_timers->SetTimer(kClockTimer, 1000) : 0;
    return m_timerId != 0;
}

int CScoreKeeper::StopMoveClock() {
    if (m_timerId == 0 || m_timers == nullptr) return 0;
    return m_timers->KillTimer(m_timerId);
}

void CScoreKeeper::EndGame() {}

void CScoreKeeper::OnTimer(unsigned id) {
    if (m_timerId == 0 || id != m_timerId || m_paused != 0) return;
    if (m_secondsLeft == 0) {
        StopMoveClock();
        if (m_fieldWnd) m_fieldWnd->SkipMove(1);
    } else {
        --m_secondsLeft;
    }
    Refresh();
}
