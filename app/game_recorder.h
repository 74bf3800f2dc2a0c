// The recording of the games played: the seed and style a game starts with,
// every action the board takes with its time from the start, and at the end
// the name, score, date, playing time and board. The record is kept in
// memory while the game runs (no disk write before its end) and handed to
// the folder of recorded games, if there is one, when the game has ended.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "engine/collaborators.h"
#include "record/game_record.h"
#include "record/record_store.h"

class CFieldGame;
class CFrameLogic;
class CHiscoreList;
class CScoreKeeper;

// The board as a record writes it: row by row, a character per cell.
std::string RecordedBoard(const CFieldGame& field);

class CGameRecorder : public CPlayLog {
public:
    using CClock = std::function<long long()>; // milliseconds, any origin

    // The game's parts stay the caller's; an empty folder stores nothing.
    CGameRecorder(const CFieldGame& field, const CScoreKeeper& score, const CFrameLogic& frame,
                  const CHiscoreList& hall, const std::string& folder);

    void GameStarted(int seed) override;
    void CellClicked(int col, int row) override;
    void UndoMade() override;
    void MoveSkipped(bool timedOut) override;
    void GameEnded() override;

    // A game still running is recorded as it stands, without a name: the
    // window closes during it.
    void EndUnfinishedGame();

    // The last game that ended, and whether there is one.
    bool HasRecord() const { return m_hasRecord; }
    const CGameRecord& LastRecord() const { return m_record; }

    // Where the times come from; the tests set their own.
    void SetClock(CClock clock) { m_clock = std::move(clock); }

    // The hall of fame's stored lines, best first.
    static CHallLines HallLines(const CHiscoreList& hall);

private:
    void Note(CRecordedAction action);
    void Finish(const std::string& name);

    const CFieldGame& m_field;
    const CScoreKeeper& m_score;
    const CFrameLogic& m_frame;
    const CHiscoreList& m_hall;
    std::unique_ptr<CRecordStore> m_store;
    CClock m_clock;
    CGameRecord m_record;
    long long m_startMs = 0;
    bool m_recording = false;
    bool m_hasRecord = false;
    bool m_overflow = false; // more actions than a record holds: not stored
};
