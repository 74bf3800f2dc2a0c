// One game with everything it is made of: the board, the score panel's
// numbers and clock, the hall of fame and the frame's commands, wired to each
// other here and nowhere else. Hosts (the main window, the headless driver,
// the tests and the benchmarks) make a game by handing it what they provide:
// the cells, the timers, the displays, the name dialog, the cue sink and the
// profile.
#pragma once

#include "app/frame_logic.h"
#include "app/game_recorder.h"
#include "engine/cue.h"
#include "engine/field_game.h"
#include "platform/profile.h"
#include "score/hiscore_list.h"
#include "score/name_dlg.h"
#include "score/score_keeper.h"

// What a host provides. Cells and timers are required; a display left out
// shows nothing, no name host ends the name dialog as with Escape, and no cue
// sink plays nothing. Without a profile the hall of fame starts empty and
// lives as long as the game.
struct CGameParts {
    CCellArray cells{};
    CTimerHost* clockTimers = nullptr; // the move clock's timer
    CTimerHost* playTimers = nullptr;  // the frame's playing-time timer
    CBoardLook* look = nullptr;
    CScoreDisplay* scoreDisplay = nullptr;
    CListView* hallView = nullptr;
    CFrameDisplay* frameDisplay = nullptr;
    CNameDlgHost* nameHost = nullptr;
    CCuePlayer* cues = nullptr; // every cue of the game, through PlayCue
    CProfile profile;
    int seed = CFieldGame::ClockSeed();
    // Where the games that end are recorded (record/record_store.h); empty:
    // they are recorded in memory only.
    std::string gamesFolder;
};

class CGame : private CMoveExpiry {
public:
    // Loads the hall of fame from the profile.
    explicit CGame(const CGameParts& parts);

    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    CFieldGame& Field() { return m_field; }
    const CFieldGame& Field() const { return m_field; }
    CScoreKeeper& Score() { return m_scoreBar; }
    const CScoreKeeper& Score() const { return m_scoreBar; }
    CFrameLogic& Frame() { return m_frame; }
    const CFrameLogic& Frame() const { return m_frame; }
    const CHiscoreList& Hall() const { return m_hiscores; }
    CGameRecorder& Recorder() { return m_recorder; }
    const CGameRecorder& Recorder() const { return m_recorder; }

private:
    // The move clock ran out: the board skips the move.
    void MoveExpired() override { m_field.SkipMove(1); }

    static CBoardLook s_noLook;
    static CScoreDisplay s_noScoreDisplay;
    static CFrameDisplay s_noFrameDisplay;
    static CCueForwarder s_noCues; // points nowhere: drops every cue

    CCuePlayer& m_cues;
    CHiscoreList m_hiscores;
    CScoreKeeper m_scoreBar;
    // Given the board before it is made; it keeps only the reference.
    CFrameLogic m_frame;
    CFieldGame m_field;
    CGameRecorder m_recorder;
};
