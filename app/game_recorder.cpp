#include "app/game_recorder.h"

#include <algorithm>
#include <cerrno>
#include <iostream>

#include "app/frame_logic.h"
#include "engine/field_game.h"
#include "engine/settings.h"
#include "score/hiscore_list.h"
#include "score/score_keeper.h"

namespace {

long long SteadyMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

long long CalendarSeconds() {
    using namespace std::chrono;
    return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
}

} // namespace

CGameRecorder::CGameRecorder(const CFieldGame& field, const CScoreKeeper& score,
                             const CFrameLogic& frame, const CHiscoreList& hall,
                             const std::string& folder)
    : m_field(field), m_score(score), m_frame(frame), m_hall(hall),
      m_store(folder.empty() ? nullptr : std::make_unique<CRecordStore>(folder)),
      m_clock(SteadyMs) {}

void CGameRecorder::GameStarted(int seed) {
    m_record = CGameRecord();
    m_record.seed = seed;
    m_record.classical = g_classical != 0;
    m_record.actions.reserve(256);
    m_startMs = m_clock();
    m_recording = true;
    m_hasRecord = false;
    m_overflow = false;
}

void CGameRecorder::CellClicked(int col, int row) {
    Note({CRecordedAction::Kind::Click, 0, col, row});
}

void CGameRecorder::UndoMade() {
    Note({CRecordedAction::Kind::Undo, 0, 0, 0});
}

void CGameRecorder::MoveSkipped(bool timedOut) {
    Note({timedOut ? CRecordedAction::Kind::Expire : CRecordedAction::Kind::Skip, 0, 0, 0});
}

void CGameRecorder::Note(CRecordedAction action) {
    if (!m_recording) return;
    if (m_record.actions.size() == CGameRecord::kMaxActions) {
        m_overflow = true;
        return;
    }
    const long long last = m_record.actions.empty() ? 0 : m_record.actions.back().ms;
    action.ms = std::clamp(m_clock() - m_startMs, last, CGameRecord::kMaxMs);
    m_record.actions.push_back(action);
}

void CGameRecorder::GameEnded() {
    if (m_recording) Finish(m_score.ResultName());
}

void CGameRecorder::EndUnfinishedGame() {
    if (m_recording && m_field.Active()) Finish(std::string());
}

void CGameRecorder::Finish(const std::string& name) {
    m_recording = false;
    m_record.name = name.substr(0, CGameRecord::kMaxNameBytes);
    m_record.score = std::min(m_score.Score(), CGameRecord::kMaxNumber);
    m_record.date = RecordDate(CalendarSeconds());
    m_record.playSeconds = std::min(m_frame.PlaySeconds(), CGameRecord::kMaxNumber);
    m_record.board = RecordedBoard(m_field);
    m_hasRecord = !m_overflow;
    std::string failure;
    // The game goes on without its record; the player is told where and why.
    if (m_store && m_hasRecord && !m_store->Store(m_record, HallLines(m_hall), failure))
        std::cerr << program_invocation_short_name
                  << ": the game is not kept for watching: " << failure << '\n';
}

std::string RecordedBoard(const CFieldGame& field) {
    std::string board;
    for (int row = 0; row < kSide; ++row) {
        for (int col = 0; col < kSide; ++col) {
            const CCell& cell = *field.Cell(col, row);
            board += BoardChar(cell.m_colour, cell.m_state == Preview);
        }
    }
    return board;
}

CHallLines CGameRecorder::HallLines(const CHiscoreList& hall) {
    CHallLines lines;
    for (int slot = 0; slot < CHiscoreList::kStored; ++slot)
        if (!hall.Name(slot).empty()) lines.emplace_back(hall.Name(slot), hall.SlotScore(slot));
    return lines;
}
