// A recorded game played again through a game: from the record's seed and
// style, one action after another, as the board took them. The same replay
// verifies a record (does it end on the recorded score and board?) and drives
// the watching of one, forward and back.
#pragma once

#include <cstddef>
#include <string>

#include "app/game.h"
#include "app/headless_game.h"
#include "record/game_record.h"

class CReplay {
public:
    // The game and the record stay the caller's; the game must not be running.
    CReplay(CGame& game, const CGameRecord& record);

    // Starts the game again from the record's seed, before its first action.
    void Restart();
    // Takes the next action; false when there is none, or when it cannot be
    // taken (the game is no longer running, or the action is not possible
    // in it): the replay has then come to its end.
    bool StepForward();
    // Back to just before the last action taken, played again without sound.
    void StepBack();
    // Every action taken, as long as they can be.
    void PlayToEnd();

    std::size_t Position() const { return m_position; }
    bool AtEnd() const { return m_position == m_record.actions.size() || !m_failure.empty(); }
    // At its end: whether the game came to the recorded score and board.
    bool Reproduces() const;
    // Why the replay stopped early, or why it does not reproduce the record.
    std::string Failure() const;

private:
    bool CanTake(const CRecordedAction& action) const;
    void Take(const CRecordedAction& action);

    CGame& m_game;
    const CGameRecord& m_record;
    std::size_t m_position = 0;
    std::string m_failure;
};

// A game without a display to replay records in.
using CReplayGame = CHeadlessGame<>;

struct CVerifyResult {
    bool reproduces = false;
    unsigned reachedScore = 0;
    std::string failure;
};

// Plays the record through the game, without sound, to its end. The game's
// own recorder is left out from then on: a replay is not a game played.
CVerifyResult VerifyRecord(CGame& game, const CGameRecord& record);
