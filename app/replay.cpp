#include "app/replay.h"

#include "engine/settings.h"

namespace {

// A setting held at a value for as long as the guard lives.
class CSettingGuard {
public:
    CSettingGuard(int& setting, int value) : m_setting(setting), m_old(setting) {
        m_setting = value;
    }
    ~CSettingGuard() { m_setting = m_old; }
    CSettingGuard(const CSettingGuard&) = delete;
    CSettingGuard& operator=(const CSettingGuard&) = delete;

private:
    int& m_setting;
    int m_old;
};

} // namespace

CReplay::CReplay(CGame& game, const CGameRecord& record) : m_game(game), m_record(record) {}

void CReplay::Restart() {
    const CSettingGuard style(g_classical, m_record.classical ? 1 : 0);
    m_game.Field().SetSeed(m_record.seed);
    // As after the Stop that ends every game: a replay ended without one.
    m_game.Frame().SetCanUndo(0);
    m_game.Field().StartGame();
    m_position = 0;
    m_failure.clear();
}

bool CReplay::StepForward() {
    if (AtEnd()) return false;
    const CRecordedAction& action = m_record.actions[m_position];
    if (!CanTake(action)) {
        m_failure = "action " + std::to_string(m_position + 1) + " cannot be taken";
        return false;
    }
    const CSettingGuard style(g_classical, m_record.classical ? 1 : 0);
    Take(action);
    ++m_position;
    return true;
}

void CReplay::StepBack() {
    const std::size_t target = m_position > 0 ? m_position - 1 : 0;
    const CSettingGuard quiet(g_soundOn, 0);
    Restart();
    while (m_position < target && StepForward()) {
    }
}

void CReplay::PlayToEnd() {
    while (StepForward()) {
    }
}

bool CReplay::CanTake(const CRecordedAction& action) const {
    const CFieldGame& field = m_game.Field();
    const bool running = field.Active() == 1;
    switch (action.kind) {
    case CRecordedAction::Kind::Click:
        return running;
    case CRecordedAction::Kind::Undo:
        return running && !m_record.classical && m_game.Frame().CanUndo() != 0;
    case CRecordedAction::Kind::Skip:
    case CRecordedAction::Kind::Expire:
        return running && !m_record.classical;
    }
    return false;
}

void CReplay::Take(const CRecordedAction& action) {
    CFieldGame& field = m_game.Field();
    switch (action.kind) {
    case CRecordedAction::Kind::Click:
        field.OnCommand(CellCommandId(action.col, action.row));
        break;
    case CRecordedAction::Kind::Undo:
        field.Undo();
        break;
    case CRecordedAction::Kind::Skip:
        field.SkipMove(0);
        break;
    case CRecordedAction::Kind::Expire:
        m_game.Score().StopMoveClock();
        field.SkipMove(1);
        break;
    }
}

bool CReplay::Reproduces() const {
    return AtEnd() && m_failure.empty() && m_game.Score().Score() == m_record.score &&
           RecordedBoard(m_game.Field()) == m_record.board;
}

std::string CReplay::Failure() const {
    if (!m_failure.empty()) return m_failure;
    if (m_game.Score().Score() != m_record.score)
        return "the game comes to " + std::to_string(m_game.Score().Score()) + " points";
    if (RecordedBoard(m_game.Field()) != m_record.board) return "the game ends on another board";
    return {};
}

CVerifyResult VerifyRecord(CGame& game, const CGameRecord& record) {
    const CSettingGuard quiet(g_soundOn, 0);
    game.Field().SetPlayLog(nullptr);
    CReplay replay(game, record);
    replay.Restart();
    replay.PlayToEnd();
    CVerifyResult result;
    result.reproduces = replay.Reproduces();
    result.reachedScore = game.Score().Score();
    if (!result.reproduces) result.failure = replay.Failure();
    return result;
}
