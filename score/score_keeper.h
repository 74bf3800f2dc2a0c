// The score panel without its display: the score, its undo copy and the
// 30-second move clock. A display given to it shows the numbers.
#pragma once

#include "engine/collaborators.h"
#include "score/clock_hold.h"
#include "score/hiscore_list.h"

class CNameDlgHost;

// Shows the score and the move clock's count; may show nothing.
class CScoreDisplay {
public:
    virtual ~CScoreDisplay() = default;
    virtual void Refresh(unsigned /*score*/, unsigned /*secondsLeft*/) {}
};

class CScoreKeeper : public CScorePanel {
public:
    static constexpr unsigned kClockTimer = 1;

    // The expiry receives the end of a move's time; the timers run the clock;
    // the hall of fame takes the results; the name host runs the name dialog
    // (none: it ends as with Escape); the hall of fame's cues go to cues. All
    // stay the caller's.
    CScoreKeeper(CMoveExpiry& expiry, CTimerHost& timers, CHiscoreList& hiscores,
                 CNameDlgHost* nameHost, CScoreDisplay& display, CCuePlayer& cues);

    // The panel's start: numbers to 0, the table loaded, no hold, no timer.
    void Init();

    void ResetScore() override;
    void AddScore(unsigned points) override;
    void SaveScore() override;
    void RestoreScore() override;
    int StartMoveClock(unsigned seconds) override;
    int StopMoveClock() override;
    void EndGame() override;

    // One tick of the clock's timer.
    void OnTimer(unsigned id);

    // While any cause holds the clock, its ticks are dropped: it stands still.
    CClockHold& Hold() { return m_hold; }
    const CClockHold& Hold() const { return m_hold; }

    unsigned Score() const { return m_score; }
    unsigned SavedScore() const { return m_savedScore; }
    unsigned SecondsLeft() const { return m_secondsLeft; }
    // The name the last game's result was given in the name dialog; empty
    // when it was given none.
    const std::string& ResultName() const { return m_resultName; }

private:
    void Refresh() { m_display.Refresh(m_score, m_secondsLeft); }

    CMoveExpiry& m_expiry;
    CTimerHost& m_timers;
    CHiscoreList& m_hiscores;
    CNameDlgHost* m_nameHost;
    CScoreDisplay& m_display;
    CCuePlayer& m_cues;
    unsigned m_timerId = 0;
    CClockHold m_hold;
    unsigned m_savedScore = 0;
    unsigned m_score = 0;
    unsigned m_secondsLeft = 0;
    std::string m_resultName;
    // Whether the profile could take this game's result when it started.
    bool m_hallWritable = true;
};
