// A whole game without a display, driven by script commands: the board with
// plain cells, the score keeper with its hall of fame, the name dialog
// answered from a queue, the frame's command logic and two timers whose ticks
// are delivered by hand. Everything it reports goes to one stream.
#pragma once

#include <ostream>
#include <string>

#include "app/headless_game.h"
#include "script.h"

class CHeadlessSession {
public:
    // The settings at their defaults (Advanced style, sound on); the seed
    // comes from the clock. The hall of fame is kept in profile, if there is
    // one, and the games that end are recorded in gamesFolder, if one is given.
    explicit CHeadlessSession(std::ostream& out, const CProfile& profile = CProfile(),
                              const std::string& gamesFolder = std::string());

    CHeadlessSession(const CHeadlessSession&) = delete;
    CHeadlessSession& operator=(const CHeadlessSession&) = delete;

    void Execute(const CScriptCommand& command);

    // count one-second ticks: the playing-time timer, then the move clock.
    void Tick(unsigned long long count);
    // The state block of the "show" command.
    void Show();

    const CGame& Game() const { return m_game; }

private:
    // The pause box stays open for a number of ticks.
    class CPauseBox : public CFrameDisplay {
    public:
        explicit CPauseBox(CHeadlessSession& session) : m_session(session) {}
        void RunPauseBox() override { m_session.Tick(m_ticks); }
        unsigned long long m_ticks = 0;

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
    CGameParts Parts(const CProfile& profile, const std::string& gamesFolder);

    std::ostream& m_out;
    CPauseBox m_pauseBox;
    CPrintingCuePlayer m_cues;
    // The name dialog's answers, kept from one game to the next until taken.
    CQueuedNameAnswers m_answers;
    CHeadlessGame<> m_game;
};
