#include "score/score_keeper.h"

#include "engine/cue.h"
#include "score/name_dlg.h"

CScoreKeeper::CScoreKeeper(CMoveExpiry& expiry, CTimerHost& timers, CHiscoreList& hiscores,
                           CNameDlgHost* nameHost, CScoreDisplay& display, CCuePlayer& cues)
    : m_expiry(expiry), m_timers(timers), m_hiscores(hiscores), m_nameHost(nameHost),
      m_display(display), m_cues(cues) {}

void CScoreKeeper::Init() {
    m_score = 0;
    m_secondsLeft = 0;
    m_hiscores.LoadTable();
    m_hold = {};
    m_timerId = 0;
    Refresh();
}

// A new game starts without a live entry: EndGame removed the last one.
// A hall of fame that cannot be written now will not take this game's result:
// its climb is not cheered either.
void CScoreKeeper::ResetScore() {
    m_score = 0;
    m_hallWritable = m_hiscores.CanSave();
    m_hiscores.InsertEntry(g_youMarker, 0, true);
    Refresh();
}

void CScoreKeeper::AddScore(unsigned points) {
    const int old = m_hiscores.RemoveEntry(g_youMarker);
    m_score += points;
    const int now = m_hiscores.InsertEntry(g_youMarker, m_score, true);
    if (now < old && m_hallWritable) PlayCue(m_cues, now == 0 ? Cue::FirstPlace : Cue::MovedUp);
    Refresh();
}

void CScoreKeeper::SaveScore() {
    m_savedScore = m_score;
}

void CScoreKeeper::RestoreScore() {
    m_hiscores.RemoveEntry(g_youMarker);
    m_score = m_savedScore;
    m_hiscores.InsertEntry(g_youMarker, m_score, true);
    Refresh();
}

int CScoreKeeper::StartMoveClock(unsigned seconds) {
    m_secondsLeft = seconds;
    Refresh();
    // Starting again replaces the running timer: the next tick comes a
    // full second after the restart.
    m_timerId = m_timers.SetTimer(kClockTimer, 1000);
    return m_timerId != 0;
}

int CScoreKeeper::StopMoveClock() {
    if (m_timerId == 0) return 0;
    return m_timers.KillTimer(m_timerId);
}

// The result goes into the table as it stands in the file now, which another
// copy of the game may have changed: same score, same tie rule, and the cue
// for the place it takes there, once it is stored.
void CScoreKeeper::EndGame() {
    CNameDlg dlg(&m_hiscores, m_nameHost);
    m_resultName.clear();
    if (m_score == 0) {
        m_hiscores.RemoveEntry(g_youMarker);
        return;
    }
    dlg.DoModal();
    m_hiscores.RemoveEntry(g_youMarker);
    const std::string& name = dlg.Name();
    if (name.empty() || name == g_youMarker) return;
    m_resultName = name;
    // Also below the twenty: the file then receives the same twenty again.
    const int slot = m_hiscores.SaveResult(name, m_score);
    if (slot < 0 && m_nameHost)
        m_nameHost->ShowSaveFailure(m_hiscores.SaveFailure());
    else if (slot == 0)
        PlayCue(m_cues, Cue::NewBest);
    else if (slot > 0 && slot < CHiscoreList::kStored)
        PlayCue(m_cues, Cue::AmongBest);
}

void CScoreKeeper::OnTimer(unsigned id) {
    if (m_timerId == 0 || id != m_timerId || m_hold.IsHeld()) return;
    if (m_secondsLeft == 0) {
        StopMoveClock();
        m_expiry.MoveExpired();
    } else {
        --m_secondsLeft;
    }
    Refresh();
}
