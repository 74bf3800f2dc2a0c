// The score panel without its display: the score, its undo copy and the
// 30-second move clock. The panel widget of the program derives from it and
// shows the numbers in Refresh.
#pragma once

#include "engine/collaborators.h"
#include "score/hiscore_list.h"

class CFieldGame;
class CNameDlgHost;

class CScoreKeeper : public CScorePanel {
public:
    static constexpr unsigned kClockTimer = 1;

    CScoreKeeper() = default;
    CScoreKeeper(CFieldGame* fieldWnd, CTimerHost* timers);

    // The board that receives the expiry and the host of the clock's timer.
    void Attach(CFieldGame* fieldWnd, CTimerHost* timers);
    // The hall of fame to show the table in (by default a list without a
    // display) and what runs the name dialog (none: it ends as with Escape).
    void AttachHall(CHiscoreList* hiscores, CNameDlgHost* nameHost);

    // The panel's start: numbers to 0, the table loaded, no pause, no timer.
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

    // What the player is told when the result could not be stored; failure
    // is "PATH: REASON".
    static std::string SaveFailedMessage(const std::string& failure);

    CFieldGame* m_fieldWnd = nullptr;
    unsigned m_timerId = 0;
    int m_paused = 0;
    unsigned m_savedScore = 0;
    unsigned m_score = 0;
    unsigned m_secondsLeft = 0;
    CTimerHost* m_timers = nullptr;
    CHiscoreList* m_hiscores = &m_plainHiscores;
    CNameDlgHost* m_nameHost = nullptr;
    // Whether the profile could take this game's result when it started.
    bool m_hallWritable = true;

protected:
    // Shows m_score and m_secondsLeft.
    virtual void Refresh() {}

private:
    CHiscoreList m_plainHiscores;
};
