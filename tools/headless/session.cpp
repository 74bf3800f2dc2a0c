#include "session.h"

#include "engine/settings.h"

CHeadlessSession::CHeadlessSession(std::ostream& out)
    : m_answers([this](const std::string& line) { m_out << line << '\n'; }), m_out(out),
      m_frame(*this), m_cues(out) {
    for (int i = 0; i < CFieldGame::kCells; ++i) m_field.m_cells[i] = &m_cellObjects[i];
    m_field.m_scoreBar = &m_scoreBar;
    m_field.m_frame = &m_frame;
    m_scoreBar.Attach(&m_field, &m_panelTimers);
    m_scoreBar.AttachHall(&m_hiscores, &m_answers);
    m_frame.Attach(&m_field, &m_scoreBar, &m_frameTimers);
    g_classical = 0;
    g_soundOn = 1;
    SetCuePlayer(&m_cues);
    g_lastName.clear(); // a run starts without a last name
    m_scoreBar.Init();
}

CHeadlessSession::~CHeadlessSession() {
    SetCuePlayer(nullptr);
}

void CHeadlessSession::FrameCommand(unsigned id) {
    if (!m_frame.OnCommand(id)) m_out << "disabled\n";
}

void CHeadlessSession::Execute(const CScriptCommand& command) {
    switch (command.kind) {
    case CScriptCommand::None:
        break;
    case CScriptCommand::Seed:
        m_field.m_seed = static_cast<int>(command.number);
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
        m_frame.m_pauseTicks = static_cast<unsigned long long>(command.number);
        FrameCommand(ID_GAME_PAUSE);
        break;
    case CScriptCommand::Sound:
        g_soundOn = static_cast<int>(command.number);
        break;
    case CScriptCommand::Click:
        m_field.OnCommand(command.number);
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
    for (unsigned long long n = 0; n < count; ++n) {
        if (m_frameTimers.IsRunning(CFrameLogic::kPlayTimer))
            m_frame.OnTimer(CFrameLogic::kPlayTimer);
        if (m_panelTimers.IsRunning(CScoreKeeper::kClockTimer))
            m_scoreBar.OnTimer(CScoreKeeper::kClockTimer);
    }
}

void CHeadlessSession::Show() {
    static constexpr char kStateLetter[] = {'n', 's', 'x', 'p'};
    m_out << "board\n";
    for (int row = 0; row < 9; ++row) {
        for (int col = 0; col < 9; ++col) {
            const CCell& cell = *m_field.Cell(col, row);
            const bool known = cell.m_state >= Normal && cell.m_state <= Preview;
            m_out << (col ? " " : "") << cell.m_colour
                  << (known ? kStateLetter[cell.m_state] : '?');
        }
        m_out << '\n';
    }
    m_out << "seed " << m_field.m_seed << '\n';
    m_out << "selection " << m_field.m_selCol << ' ' << m_field.m_selRow << '\n';
    m_out << "score " << m_scoreBar.m_score << ' ' << m_scoreBar.m_savedScore << '\n';
    m_out << "clock " << m_scoreBar.m_secondsLeft << ' '
          << (m_panelTimers.IsRunning(CScoreKeeper::kClockTimer) ? "running" : "stopped") << '\n';
    m_out << "flags " << m_frame.m_canStart << ' ' << m_frame.m_running << ' ' << m_frame.m_canUndo
          << ' ' << m_field.m_active << '\n';
    m_out << "playtime " << m_frame.m_playSeconds << '\n';
    m_out << "hall\n";
    ShowHall();
    m_out << "end\n";
}

void CHeadlessSession::ShowHall() {
    for (std::size_t i = 0; i < m_hiscores.m_lines.size(); ++i)
        m_out << (static_cast<int>(i) == m_hiscores.m_selected ? "* " : "  ")
              << m_hiscores.m_lines[i] << '\n';
}
