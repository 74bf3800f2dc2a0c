#include "session.h"

CHeadlessSession::CHeadlessSession(std::ostream& out, const CProfile& profile,
                                   const std::string& gamesFolder)
    : m_out(out), m_pauseBox(*this), m_cues(out),
      m_answers([this](const std::string& line) { m_out << line << '\n'; }),
      m_game(Parts(profile, gamesFolder)) {}

CGameParts CHeadlessSession::Parts(const CProfile& profile, const std::string& gamesFolder) {
    g_lastName.clear(); // a run starts without a last name
    CGameParts parts;
    parts.frameDisplay = &m_pauseBox;
    parts.nameHost = &m_answers;
    parts.cues = &m_cues;
    parts.profile = profile;
    parts.gamesFolder = gamesFolder;
    return parts;
}

void CHeadlessSession::FrameCommand(unsigned id) {
    if (!m_game.Frame().OnCommand(id)) m_out << "disabled\n";
}

void CHeadlessSession::Execute(const CScriptCommand& command) {
    switch (command.kind) {
    case CScriptCommand::None:
        break;
    case CScriptCommand::Seed:
        m_game.Field().SetSeed(static_cast<int>(command.number));
        break;
    case CScriptCommand::Start:
        FrameCommand(ID_GAME_START);
        break;
    case CScriptCommand::Stop:
        FrameCommand(ID_GAME_STOP);
        break;
    case CScriptCommand::Undo:
        FrameCommand(ID_GAME_UNDO);
        break;
    case CScriptCommand::Skip:
        FrameCommand(ID_GAME_SKIP);
        break;
    case CScriptCommand::Classical:
        FrameCommand(ID_OPTIONS_CLASSICAL);
        break;
    case CScriptCommand::Advanced:
        FrameCommand(ID_OPTIONS_ADVANCED);
        break;
    case CScriptCommand::Pause:
        m_pauseBox.m_ticks = static_cast<unsigned long long>(command.number);
        FrameCommand(ID_GAME_PAUSE);
        break;
    case CScriptCommand::Sound:
        g_soundOn = static_cast<int>(command.number);
        break;
    case CScriptCommand::Click:
        m_game.Field().OnCommand(command.number);
        break;
    case CScriptCommand::Tick:
        Tick(static_cast<unsigned long long>(command.number));
        break;
    case CScriptCommand::Name:
        m_answers.Push({CQueuedNameAnswers::Kind::Name, command.text});
        break;
    case CScriptCommand::Ok:
        m_answers.Push({CQueuedNameAnswers::Kind::Ok, {}});
        break;
    case CScriptCommand::Escape:
        m_answers.Push({CQueuedNameAnswers::Kind::Escape, {}});
        break;
    case CScriptCommand::Show:
        Show();
        break;
    }
}

void CHeadlessSession::Tick(unsigned long long count) {
    m_game.Tick(count);
}

void CHeadlessSession::Show() {
    static constexpr char kStateLetter[] = {'n', 's', 'x', 'p'};
    m_out << "board\n";
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            const CCell& cell = *m_game.Field().Cell(col, row);
            const bool known = cell.m_state >= Normal && cell.m_state <= Preview;
            m_out << (col ? " " : "") << cell.m_colour
                  << (known ? kStateLetter[cell.m_state] : '?');
        }
        m_out << '\n';
    }
    const CFieldGame& field = m_game.Field();
    const CScoreKeeper& score = m_game.Score();
    const CFrameLogic& frame = m_game.Frame();
    m_out << "seed " << field.Seed() << '\n';
    m_out << "selection " << field.SelCol() << ' ' << field.SelRow() << '\n';
    m_out << "score " << score.Score() << ' ' << score.SavedScore() << '\n';
    m_out << "clock " << score.SecondsLeft() << ' '
          << (m_game.ClockRunning() ? "running" : "stopped") << '\n';
    m_out << "flags " << frame.CanStart() << ' ' << frame.Running() << ' ' << frame.CanUndo() << ' '
          << field.Active() << '\n';
    m_out << "playtime " << frame.PlaySeconds() << '\n';
    m_out << "hall\n";
    ShowHall();
    m_out << "end\n";
}

void CHeadlessSession::ShowHall() {
    const CHiscoreList& hall = m_game.Hall();
    for (std::size_t i = 0; i < hall.Lines().size(); ++i)
        m_out << (static_cast<int>(i) == hall.Selected() ? "* " : "  ") << hall.Lines()[i] << '\n';
}
