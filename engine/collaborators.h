// The engine's only ways out: the cells, the score panel, the frame's flags,
// the timers, the move clock's expiry, the board's changes of look and the
// log of what was played; with the settings it reads (engine/settings.h) and
// the cue sink it is given (engine/cue.h) they are all it knows of the
// program. Widgets implement them in the program; plain recording objects
// implement them in tests and tools.
#pragma once

class CCuePlayer;

enum CellState : int { Normal = 0, Sad = 1, Selected = 2, Preview = 3 };

// One square of the board. The engine reads the two fields directly and
// changes them only through SetBall.
class CCell {
public:
    virtual ~CCell() = default;

    // Stores colour and state and shows them before returning; returns 0 and
    // leaves both fields unchanged only when the picture cannot be had.
    virtual int SetBall(int colour, int state) = 0;

    // Sounds cue 600 + 4 * m_colour + kind on player for kind 1, 2 or 3;
    // nothing else.
    void PlayColourCue(CCuePlayer& player, int kind);

    int m_colour = 0;
    int m_state = Normal;
};

// What the engine asks of the score panel.
class CScorePanel {
public:
    virtual ~CScorePanel() = default;
    virtual void ResetScore() = 0;
    virtual void AddScore(unsigned points) = 0;
    virtual void SaveScore() = 0;
    virtual void RestoreScore() = 0;
    virtual int StartMoveClock(unsigned seconds) = 0;
    virtual int StopMoveClock() = 0;
    virtual void EndGame() = 0;
};

// What the move clock calls, once, when a move's time has run out: the board
// skips the move.
class CMoveExpiry {
public:
    virtual ~CMoveExpiry() = default;
    virtual void MoveExpired() = 0;
};

// The frame's three game flags: read by the frame's command rules, written
// only by the turn flow. Start is possible exactly while no game runs.
class CGameFlags {
public:
    int CanStart() const { return m_canStart; }
    int Running() const { return m_running; }
    int CanUndo() const { return m_canUndo; }

    void SetRunning(int running) {
        m_running = running;
        m_canStart = running ? 0 : 1;
    }
    void SetCanUndo(int canUndo) { m_canUndo = canUndo; }

private:
    int m_canStart = 1;
    int m_running = 0;
    int m_canUndo = 0;
};

// The board window's changes of look around a game; each may show nothing.
class CBoardLook {
public:
    virtual ~CBoardLook() = default;
    // The start change: BeginPlayingLook, then for each cell in storage order
    // the cell is emptied and RevealCell(index) called, then EndPlayingLook.
    virtual void BeginPlayingLook() {}
    virtual void RevealCell(int /*index*/) {}
    virtual void EndPlayingLook() {}
    // The stop change, the last step of StopGame.
    virtual void ShowStoppedLook() {}
    // The paused look, shown by the frame around its pause box.
    virtual void ShowPaused() {}
    virtual void ShowResumed() {}
};

// A window's one-second timers, by identifier: SetTimer returns the timer's
// identifier, or 0 when it could not be started; starting an identifier that
// runs replaces it. Ticks come back as calls of the owner's OnTimer.
class CTimerHost {
public:
    virtual ~CTimerHost() = default;
    virtual unsigned SetTimer(unsigned id, unsigned milliseconds) = 0;
    virtual int KillTimer(unsigned id) = 0;
};

// Told of each action the course of a game takes, in order, so that the game
// can be played again from its seed: a game starts, a cell is clicked while
// it runs, an Undo, a Skip (timedOut: the move clock ran out), and the game
// has ended (after the score panel's end of the game). Each may note nothing.
class CPlayLog {
public:
    virtual ~CPlayLog() = default;
    virtual void GameStarted(int /*seed*/) {}
    virtual void CellClicked(int /*col*/, int /*row*/) {}
    virtual void UndoMade() {}
    virtual void MoveSkipped(bool /*timedOut*/) {}
    virtual void GameEnded() {}
};
