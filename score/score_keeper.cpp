#include "score/score_keeper.h"

#include "engine/field_game.h"
#include "score/name_dlg.h"
#include "sound/cue.h"

namespace {

constexpr unsigned kFirstPlaceCue = 149;
constexpr unsigned kMovedUpCue = 150;
constexpr unsigned kNewBestCue = 153;
constexpr unsigned kAmongBestCue = 154;

} // namespace

CScoreKeeper::CScoreKeeper(CFieldGame* fieldWnd, CTimerHost* timers) {
    Attach(fieldWnd, timers);
}

void CScoreKeeper::Attach(CFieldGame* fieldWnd, CTimerHost* timers) {
    m_fieldWnd = fieldWnd;
    m_timers = timers;
}

void CScoreKeeper::AttachHall(CHiscoreList* hiscores, CNameDlgHost* nameHost) {
    m_hiscores = hiscores ? hiscores : &m_plainHiscores;
    m_nameHost = nameHost;
}

void CScoreKeeper::Init() {
    m_score = 0;
    m_secondsLeft = 0;
    m_hiscores->LoadTable();
    m_paused = 0;
    m_timerId = 0;
    Refresh();
}

// A new game starts without a live entry: EndGame removed the last one.
void CScoreKeeper::ResetScore() {
    m_score = 0;
    m_hiscores->InsertEntry(g_youMarker, 0, true);
    Refresh();
}

void CScoreKeeper::AddScore(unsigned points) {
    const int old = m_hiscores->RemoveEntry(g_youMarker);
    m_score += points;
    const int now = m_hiscores->InsertEntry(g_youMarker, m_score, true);
    if (now < old) PlayCue(now == 0 ? kFirstPlaceCue : kMovedUpCue);
    Refresh();
}

void CScoreKeeper::SaveScore() {
    m_savedScore = m_score;
}

void CScoreKeeper::RestoreScore() {
    m_hiscores->RemoveEntry(g_youMarker);
    m_score = m_savedScore;
    m_hiscores->InsertEntry(g_youMarker, m_score, true);
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

// The result takes the live entry's place: same score, same tie rule.
void CScoreKeeper::EndGame() {
    CNameDlg dlg(m_hiscores, m_nameHost);
    if (m_score == 0) {
        m_hiscores->RemoveEntry(g_youMarker);
        return;
    }
    dlg.DoModal();
    const int old = m_hiscores->RemoveEntry(g_youMarker);
    const std::string& name = dlg.m_name;
    if (name.empty() || name == g_youMarker) return;
    m_hiscores->InsertEntry(name, m_score, false);
    if (old == 0)
        PlayCue(kNewBestCue);
    else if (old < CHiscoreList::kStored)
        PlayCue(kAmongBestCue);
    // Also from slot 20: the file then receives the same twenty again.
    m_hiscores->SaveTable();
}

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
