// A whole game without a display, driven by script commands: the board with
// plain cells, the score keeper with its hall of fame, the name dialog
// answered from a queue, the frame's command logic and two timers whose ticks
// are delivered by hand. Everything it reports goes to one stream.
#pragma once

#include <array>
#include <ostream>
#include <string>

#include "app/frame_logic.h"
#include "engine/cue.h"
#include "engine/field_game.h"
#include "engine/manual_timers.h"
#include "engine/plain_cell.h"
#include "score/hiscore_list.h"
#include "score/name_dlg.h"
#include "score/score_keeper.h"
#include "script.h"

class CHeadlessSession {
public:
    // Advanced style and sound on; the seed comes from the clock. The hall of
    // fame is loaded from the profile file set at this moment, if any.
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
    CHiscoreList m_hiscores;
    // The name dialog's answers, kept from one game to the next until taken.
    CQueuedNameAnswers m_answers;

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
    // The lines between "hall" and "end" of the state block.
    void ShowHall();

    std::ostream& m_out;
    CFrame m_frame;
    CPrintingCuePlayer m_cues;

public:
    CFrameLogic& Frame() { return m_frame; }
};
