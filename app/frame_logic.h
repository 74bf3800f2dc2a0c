// The main frame without its window: the game flags, the command table's
// enable and check rules, the command handlers and the playing-time count.
// The program's main window derives from it and overrides the hooks.
#pragma once

#include <string>

#include "app/clock_hold.h"
#include "engine/collaborators.h"
#include "engine/identifiers.h"

class CFieldGame;
class CScoreKeeper;

// "You have been playing for :%2u h %02u m %02u s" for the given seconds.
std::string PlayTimeText(unsigned seconds);

class CFrameLogic : public CGameFlags {
public:
    static constexpr unsigned kPlayTimer = 1;

    CFrameLogic() = default;
    CFrameLogic(CFieldGame* field, CScoreKeeper* scoreBar, CTimerHost* timers);
    virtual ~CFrameLogic() = default;

    void Attach(CFieldGame* field, CScoreKeeper* scoreBar, CTimerHost* timers);

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

    // Starts or ends one cause of holding the move clock; the score panel's
    // pause flag shows whether any cause still holds it.
    void HoldMoveClock(CClockHold::Cause cause, bool holds);

    // One tick of the playing-time timer.
    void OnTimer(unsigned id);
    // The text of the playing-time pane.
    std::string PlayTimeText() const { return ::PlayTimeText(m_playSeconds); }

    unsigned m_playSeconds = 0;
    unsigned m_playTimerId = 0;
    CFieldGame* m_wndField = nullptr;
    CScoreKeeper* m_wndScoreBar = nullptr;
    CTimerHost* m_timers = nullptr;
    CClockHold m_clockHold;

protected:
    // Enables or disables the move-clock field and its caption.
    virtual void EnableClockFields(bool /*enable*/) {}
    // The modal pause box; returns when the player closes it.
    virtual void RunPauseBox() {}
    virtual void OnHowToPlay() {}
    virtual void OnAppAbout() {}
    virtual void OnAppExit() {}
};
