// A whole game without a display, driven by script commands: the board with
// plain cells, the score keeper, the frame's command logic and two timers
// whose ticks are delivered by hand. Everything it reports goes to one stream.
#pragma once

#include <array>
#include <deque>
#include <ostream>
#include <string>

#include "app/frame_logic.h"
#include "engine/field_game.h"
#include "engine/plain_cell.h"
#include "platform/manual_timers.h"
#include "score/score_keeper.h"
#include "script.h"
#include "sound/cue.h"

// An answer for the name dialog, in script order.
struct CDialogAnswer {
    enum Kind { Name, Ok, Escape };
    Kind kind;
    std::string text;
};

class CHeadlessSession {
public:
    // Advanced style and sound on; the seed comes from the clock.
    explicit CHeadlessSession(std::ostream& out);
    ~CHeadlessSession();

    CHeadlessSession(const CHeadlessSession&) = delete;
    CHeadlessSession& operator=(const CHeadlessSession&) = delete;

    void Execute(const CScriptCommand& command);

    // count one-second ticks: the playing-time timer, then the move clock.
    void Tick(unsigned long long count);
    // The state block of the "show" command.
    void Show();

    std::array<CPlainCell, CFieldGame::kCells> m_cellObjects;
    CManualTimers m_frameTimers;
    CManualTimers m_panelTimers;
    CFieldGame m_field;
    CScoreKeeper m_scoreBar;
    std::deque<CDialogAnswer> m_answers;

protected:
    // The lines between "hall" and "end" of the state block.
    virtual void ShowHall() {}

private:
    class CFrame : public CFrameLogic {
    public:
        explicit CFrame(CHeadlessSession& session) : m_session(session) {}
        unsigned long long m_pauseTicks = 0;

    protected:
        void RunPauseBox() override { m_session.Tick(m_pauseTicks); }

    private:
        CHeadlessSession& m_session;
    };

    class CPrintingCuePlayer : public CCuePlayer {
    public:
        explicit CPrintingCuePlayer(std::ostream& out) : m_out(out) {}
        void PlaySound(unsigned id, bool) override { m_out << "cue " << id << '\n'; }

    private:
        std::ostream& m_out;
    };

    void FrameCommand(unsigned id);

    std::ostream& m_out;
    CFrame m_frame;
    CPrintingCuePlayer m_cues;

public:
    CFrameLogic& Frame() { return m_frame; }
};
