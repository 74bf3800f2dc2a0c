#include <string>

#include "test_game.h"

namespace {

TEST(TurnFlow, IdleClicksAreSwallowedAndAFreeCellWithNothingSelectedSounds140) {
    CTestGame game;
    game.Load("1/.a");
    const auto position = game.Position();
    EXPECT_EQ(game.m_field.OnCommand(CellId(0, 0)), 1); // no game running
    EXPECT_EQ(game.m_field.m_selCol, -1);
    EXPECT_TRUE(game.m_cues.m_ids.empty());
    game.m_field.m_active = 1;
    game.m_field.OnCommand(CellId(4, 4));
    game.m_field.OnCommand(CellId(1, 1)); // a Preview is free, not a ball
    EXPECT_EQ(game.Position(), position);
    EXPECT_EQ(game.m_cues.m_ids, (Cues{140, 140}));
    EXPECT_EQ(game.m_frame.m_canUndo, 0);
}

TEST(TurnFlow, APassedOverBallStaysSadAndUndoDropsTheSelection) {
    CTestGame game(8);
    game.Play("1.......2/3");
    game.m_field.OnCommand(CellId(0, 0));
    game.m_field.OnCommand(CellId(8, 0));
    game.m_field.OnCommand(CellId(8, 0)); // again: stays selected, cue again
    EXPECT_EQ(game.At(0, 0).m_state, Sad);
    EXPECT_EQ(game.At(8, 0).m_state, Selected);
    EXPECT_EQ(game.m_cues.m_ids, (Cues{ColourCue(1, 1), ColourCue(2, 1), ColourCue(2, 1)}));
    game.m_field.OnCommand(CellId(8, 4)); // moves, new balls come in
    EXPECT_EQ(game.At(0, 0).m_state, Sad);
    EXPECT_EQ(game.Count(Preview), 3);
    game.m_field.OnCommand(CellId(0, 1));
    game.m_frame.OnUndo();
    EXPECT_EQ(game.m_field.m_selCol, -1);
    EXPECT_EQ(game.m_field.m_selRow, -1);
    EXPECT_EQ(game.Count(Selected), 0);
    EXPECT_EQ(game.At(0, 0).m_state, Sad);
    EXPECT_EQ(game.Position()[72], std::make_pair(2, int{Normal}));
    EXPECT_EQ(game.At(8, 4).m_colour, 0);
    game.m_field.OnCommand(CellId(0, 0));
    EXPECT_EQ(game.At(0, 0).m_state, Selected);
}

TEST(TurnFlow, ARefusedMoveKeepsSelectionAndUndoFlagButRetakesTheSnapshot) {
    CTestGame game(5);
    game.Play("12/2");
    game.m_frame.m_canUndo = 1;
    game.m_field.OnCommand(CellId(0, 0));
    game.m_cues.m_ids.clear();
    const auto position = game.Position();
    game.m_field.OnCommand(CellId(6, 6));
    EXPECT_EQ(game.m_cues.m_ids, Cues{141});
    EXPECT_EQ(game.Position(), position);
    EXPECT_EQ(game.m_field.m_selCol, 0);
    EXPECT_EQ(game.m_field.m_selRow, 0);
    EXPECT_EQ(game.m_frame.m_canUndo, 1);
    game.m_frame.OnUndo(); // brings back the refused attempt's position
    EXPECT_EQ(game.At(0, 0).m_state, Normal);
    EXPECT_EQ(game.Balls(), 3);
    EXPECT_EQ(game.m_field.m_selCol, -1);
}

TEST(TurnFlow, AMoveCuesItsStepsInOrderAndRestartsTheClock) {
    struct {
        int seed;
        const char* board;
        int fromCol, fromRow, toCol, toRow;
        Cues cues;
        unsigned score;
        int balls;
    } cases[] = {
        // Completes a row on an announced cell: the other announced balls stay.
        {7, "1111c///////........b/....1...a", 4, 8, 4, 0,
         Cues{ColourCue(1, 1), ColourCue(1, 2), ColourCue(1, 3)}, 10, 0},
        // Completes nothing: the announced balls come in.
        {11, "1//....a//......b///..c", 0, 0, 0, 8, Cues{ColourCue(1, 1), ColourCue(1, 2)}, 0, 4},
        // The balls that come in complete a row themselves.
        {13, "4444d////////2", 0, 8, 1, 8, Cues{ColourCue(2, 1), ColourCue(2, 2), ColourCue(4, 3)},
         10, 3},
    };
    for (const auto& c : cases) {
        CTestGame game(c.seed);
        game.Play(c.board);
        game.m_scoreBar.StartMoveClock(30);
        game.Tick(5);
        game.m_field.OnCommand(CellId(c.fromCol, c.fromRow));
        game.m_field.OnCommand(CellId(c.toCol, c.toRow));
        EXPECT_EQ(game.m_cues.m_ids, c.cues) << c.board;
        EXPECT_EQ(game.m_scoreBar.m_score, c.score) << c.board;
        EXPECT_EQ(game.Balls(), c.balls) << c.board;
        EXPECT_EQ(game.Count(Preview), 3) << c.board;
        EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 30u) << c.board;
        EXPECT_TRUE(game.ClockRunning());
        EXPECT_EQ(game.m_frame.m_canUndo, 1);
        EXPECT_EQ(game.m_field.m_selCol, -1);
        if (c.seed == 7) {
            EXPECT_EQ(game.At(8, 7).m_state, Preview); // announced before, still announced
        }
        if (c.seed == 11) {
            EXPECT_EQ(game.Position()[9 * 2 + 7], std::make_pair(3, int{Normal}));
        }
    }
}

TEST(TurnFlow, AMoveThatLeavesNoRoomEndsTheGameAndOneFreeCellGoesOn) {
    for (bool oneFree : {false, true}) {
        CTestGame game(17);
        game.Play();
        game.FillWithoutRuns(); // three of the cells announced, one maybe empty
        for (auto [col, row] : {std::pair{1, 0}, {5, 4}, {8, 8}})
            game.At(col, row).SetBall(game.At(col, row).m_colour, Preview);
        if (oneFree) game.At(7, 2).SetBall(0, Normal);
        game.m_scoreBar.StartMoveClock(30);
        game.m_field.OnCommand(CellId(0, 0));
        game.m_field.OnCommand(CellId(1, 0));
        EXPECT_EQ(game.m_field.m_active, oneFree ? 1 : 0);
        EXPECT_EQ(game.ClockRunning(), oneFree);
        EXPECT_EQ(game.Count(Preview), oneFree ? 1 : 0);
        if (oneFree) continue;
        EXPECT_EQ(game.m_cues.m_ids, (Cues{ColourCue(1, 1), ColourCue(1, 2), 137}));
        EXPECT_EQ(game.m_frame.m_running, 0);
        EXPECT_EQ(game.m_frame.m_canStart, 1);
        EXPECT_FALSE(game.m_frame.IsEnabled(ID_GAME_UNDO));
        EXPECT_EQ(game.Balls(), 81);
    }
}

TEST(TurnFlow, SkipAndUndoCueAndRestoreThePositionWithoutTheSelection) {
    CTestGame game(2024);
    game.m_frame.OnStart();
    game.m_field.OnCommand(CellId(0, 0)); // whatever is there
    auto before = game.Position();
    for (auto& cell : before) cell.second = cell.second == Selected ? Normal : cell.second;
    game.m_cues.m_ids.clear();
    ASSERT_TRUE(game.m_frame.OnCommand(ID_GAME_SKIP));
    EXPECT_EQ(game.m_cues.m_ids.front(), 175u);
    EXPECT_EQ(game.m_field.m_selCol, -1);
    ASSERT_TRUE(game.m_frame.OnCommand(ID_GAME_UNDO));
    EXPECT_EQ(game.m_cues.m_ids.back(), 151u);
    EXPECT_EQ(game.Position(), before);
    EXPECT_FALSE(game.m_frame.OnCommand(ID_GAME_UNDO));
}

TEST(TurnFlow, TheThirtyFirstTickSkipsTheMoveButNotInTheClassicalStyle) {
    for (int classical : {0, 1}) {
        CTestGame game(3);
        g_classical = classical;
        game.m_frame.OnStart();
        EXPECT_EQ(game.m_frame.OnCommand(ID_GAME_SKIP), !classical);
        if (classical) game.m_field.SkipMove(0); // without an effect here
        const auto position = game.Position();
        const int balls = game.Balls();
        EXPECT_EQ(game.m_frame.IsEnabled(ID_GAME_UNDO), !classical);
        game.m_cues.m_ids.clear();
        game.Tick(30);
        EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 0u);
        EXPECT_EQ(game.Position(), position);
        EXPECT_TRUE(game.m_cues.m_ids.empty());
        game.Tick();
        EXPECT_EQ(game.ClockRunning(), !classical);
        if (classical) {
            EXPECT_EQ(game.Position(), position);
            EXPECT_TRUE(game.m_cues.m_ids.empty());
            continue;
        }
        ASSERT_FALSE(game.m_cues.m_ids.empty());
        EXPECT_EQ(game.m_cues.m_ids.front(), 147u);
        EXPECT_FALSE(game.m_frame.IsEnabled(ID_GAME_UNDO));
        EXPECT_EQ(game.Balls(), balls + 3);
        EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 30u);
    }
}

// Records the display hooks, and what the score panel sees as the game ends.
struct CLookRecorder : CFieldGame {
    using CFieldGame::CFieldGame;
    void BeginPlayingLook() override { m_log += "begin;"; }
    void RevealCell(int index) override {
        const CCell& cell = *m_cells[index];
        m_log += (cell.m_colour == 0 && cell.m_state == Normal) ? "" : "dirty;";
        m_revealed += index == m_revealed;
    }
    void EndPlayingLook() override { m_log += "end;"; }
    void ShowStoppedLook() override { m_log += "stopped;"; }
    std::string m_log;
    int m_revealed = 0;
};

struct CEndRecorder : CScoreKeeper {
    void EndGame() override {
        m_look->m_log += "endgame(active=" + std::to_string(m_look->m_active) +
                         ",clock=" + (m_timers->IsRunning(1) ? "on" : "off") + ");";
    }
    CLookRecorder* m_look = nullptr;
    CManualTimers* m_timers = nullptr;
};

TEST(TurnFlow, StartAndStopRunTheirStepsInOrder) {
    CTestGame parts;
    CLookRecorder field(1);
    CEndRecorder panel;
    CGameFlags flags;
    parts.Wire(field, &panel, &flags);
    panel.Attach(&field, &parts.m_panelTimers);
    panel.m_look = &field;
    panel.m_timers = &parts.m_panelTimers;
    parts.Load("1////////......b");

    field.StartGame();
    EXPECT_EQ(field.m_log, "begin;end;");
    EXPECT_EQ(field.m_revealed, 81); // every cell, in order
    EXPECT_EQ(parts.m_cues.m_ids, Cues{136});
    EXPECT_EQ(parts.Count(Normal), 3);
    EXPECT_EQ(parts.Count(Preview), 3);
    EXPECT_EQ(field.m_seed, 22609);
    EXPECT_EQ(flags.m_running, 1);
    EXPECT_EQ(flags.m_canStart, 0);
    EXPECT_EQ(field.m_active, 1);
    EXPECT_EQ(panel.m_secondsLeft, 30u);
    EXPECT_TRUE(parts.ClockRunning());

    field.OnCommand(CellId(5, 8));
    const auto position = parts.Position();
    field.m_log.clear();
    field.StopGame();
    EXPECT_EQ(field.m_log, "endgame(active=0,clock=off);stopped;");
    EXPECT_EQ(parts.m_cues.m_ids.back(), 137u);
    EXPECT_EQ(parts.Position(), position); // Stop changes no cell
    EXPECT_EQ(field.m_selCol, 5);
    EXPECT_EQ(flags.m_canStart, 1);
    EXPECT_EQ(flags.m_running, 0);
}

TEST(MoveClock, PausedAndForeignTicksAreLostAndStoppingKeepsTheCount) {
    CTestGame game;
    CScoreKeeper& panel = game.m_scoreBar;
    EXPECT_EQ(panel.StopMoveClock(), 0); // never started
    panel.OnTimer(1);
    EXPECT_EQ(panel.m_secondsLeft, 0u);
    EXPECT_EQ(panel.StartMoveClock(30), 1);
    panel.OnTimer(1);
    panel.m_paused = 1;
    for (int i = 0; i < 100; ++i) panel.OnTimer(1);
    panel.m_paused = 0;
    panel.OnTimer(2);
    panel.OnTimer(0);
    EXPECT_EQ(panel.m_secondsLeft, 29u);
    game.Tick(3);
    EXPECT_EQ(panel.StopMoveClock(), 1);
    EXPECT_FALSE(game.ClockRunning());
    game.Tick(10);
    EXPECT_EQ(panel.m_secondsLeft, 26u);
}

TEST(MoveClock, WithoutATimerTheMoveHasNoLimit) {
    CTestGame game(4);
    game.m_panelTimers.m_failStarts = true;
    game.m_frame.OnStart();
    EXPECT_EQ(game.m_scoreBar.m_timerId, 0u);
    const auto position = game.Position();
    for (int i = 0; i < 40; ++i) game.m_scoreBar.OnTimer(1);
    EXPECT_EQ(game.Position(), position);
    EXPECT_EQ(game.m_scoreBar.StopMoveClock(), 0);
}

} // namespace
