// The main frame without its window: the game flags, the command table's
// enable and check rules, the command handlers and the playing-time count.
// What it shows goes to a display given to it.
#pragma once

#include "engine/collaborators.h"
#include "engine/identifiers.h"

class CFieldGame;
class CScoreKeeper;

// What the frame's commands show beside the game; each may show nothing.
class CFrameDisplay {
public:
    virtual ~CFrameDisplay() = default;
    // Enables or disables the move-clock field and its caption.
    virtual void EnableClockFields(bool /*enable*/) {}
    // The modal pause box; returns when the player closes it.
    virtual void RunPauseBox() {}
    virtual void OnHowToPlay() {}
    virtual void OnAppAbout() {}
    virtual void OnAppExit() {}
};

class CFrameLogic : public CGameFlags {
public:
    static constexpr unsigned kPlayTimer = 1;

    // The board, the score panel, the playing-time timers and the display
    // stay the caller's.
    CFrameLogic(CFieldGame& field, CScoreKeeper& scoreBar, CTimerHost& timers,
                CFrameDisplay& display);
    virtual ~CFrameLogic() = default;

    // The command table's rules, read at the moment they are asked.
    bool IsEnabled(unsigned id) const;
    bool IsChecked(unsigned id) const;
    // Carries out a known command if it is enabled; returns whether it did.
    bool OnCommand(unsigned id);

    void OnStart();
    void OnStop();
    void OnUndo();
    void OnSkip();
    void OnPause();
    void OnClassicalStyle();
    void OnAdvancedStyle();
    void OnNonRoundBalls();
    void OnSound();
    void OnSaveOptions();

    // One tick of the playing-time timer.
    void OnTimer(unsigned id);
    unsigned PlaySeconds() const { return m_playSeconds; }

private:
    unsigned m_playSeconds = 0;
    unsigned m_playTimerId = 0;
    CFieldGame& m_wndField;
    CScoreKeeper& m_wndScoreBar;
    CTimerHost& m_timers;
    CFrameDisplay& m_display;
};
