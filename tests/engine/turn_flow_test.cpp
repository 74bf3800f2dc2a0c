#include <string>

#include "test_game.h"

namespace {

TEST(TurnFlow, IdleClicksAreSwallowedAndAFreeCellWithNothingSelectedSounds140) {
    CTestGame game;
    game.Load("1/.a");
    const auto position = game.Position();
    EXPECT_EQ(game.m_field.OnCommand(CellCommandId(0, 0)), 1); // no game running
    EXPECT_EQ(std::tuple(game.Selection(), game.m_cues.m_ids),
              std::tuple(std::pair(-1, -1), Cues{}));
    game.Play("1/.a");
    game.Click(4, 4);
    game.Click(1, 1); // a Preview is free, not a ball
    EXPECT_EQ(game.Position(), position);
    EXPECT_EQ(game.m_cues.m_ids, (Cues{140, 140}));
    EXPECT_EQ(game.m_frame.CanUndo(), 0);
}

TEST(TurnFlow, APassedOverBallStaysSadAndUndoDropsTheSelection) {
    CTestGame game(8);
    game.Play("1.......2/3");
    game.Click(0, 0);
    game.Click(8, 0);
    game.Click(8, 0); // again: stays selected, cue again
    EXPECT_EQ(std::tuple(game.At(0, 0).m_state, game.At(8, 0).m_state), std::tuple(Sad, Selected));
    EXPECT_EQ(game.m_cues.m_ids, (Cues{ColourCue(1, 1), ColourCue(2, 1), ColourCue(2, 1)}));
    game.Click(8, 4); // moves, new balls come in
    EXPECT_EQ(std::tuple(game.At(0, 0).m_state, game.Count(Preview)), std::tuple(Sad, 3));
    game.Click(0, 1);
    game.m_frame.OnUndo();
    EXPECT_EQ(std::tuple(game.Selection(), game.Count(Selected), game.At(0, 0).m_state),
              std::tuple(std::pair(-1, -1), 0, Sad));
    EXPECT_EQ(std::tuple(game.At(8, 0).m_colour, game.At(8, 0).m_state, game.At(8, 4).m_colour),
              std::tuple(2, Normal, 0));
    game.Click(0, 0);
    EXPECT_EQ(game.At(0, 0).m_state, Selected);
}

TEST(TurnFlow, ARefusedMoveKeepsSelectionAndUndoFlagButRetakesTheSnapshot) {
    CTestGame game(5);
    game.Play("12/2/.......3");
    game.Click(7, 2);
    game.Click(8, 2); // a move: Undo becomes possible
    ASSERT_FALSE(HoldsBall(game.At(6, 6)));
    game.Click(0, 0);
    game.m_cues.m_ids.clear();
    const auto position = game.Position();
    game.Click(6, 6);
    EXPECT_EQ(game.m_cues.m_ids, Cues{141});
    EXPECT_EQ(std::tuple(game.Position(), game.Selection(), game.m_frame.CanUndo()),
              std::tuple(position, std::pair(0, 0), 1));
    game.m_frame.OnUndo(); // brings back the refused attempt's position, unselected
    auto expected = position;
    expected[0].second = Normal;
    EXPECT_EQ(std::tuple(game.Position(), game.Selection()),
              std::tuple(expected, std::pair(-1, -1)));
}

TEST(TurnFlow, AMoveCuesItsStepsInOrderAndRestartsTheClock) {
    struct {
        int seed;
        const char* board;
        int fromCol, fromRow, toCol, toRow;
        Cues cues;
        unsigned score;
        int balls;
        int probe, colour, state; // a cell in storage order and what it must hold after
    } cases[] = {
        // Completes a row on an announced cell: the other announced balls stay.
        {7, "1111c///////........b/....1...a", 4, 8, 4, 0,
         Cues{ColourCue(1, 1), ColourCue(1, 2), ColourCue(1, 3)}, 10, 0, CellIndex(8, 7), 2,
         Preview},
        // Completes nothing: the announced balls come in.
        {11, "1//....a//......b///..c", 0, 0, 0, 8, Cues{ColourCue(1, 1), ColourCue(1, 2)}, 0, 4,
         CellIndex(2, 7), 3, Normal},
        // The balls that come in complete a row themselves.
        {13, "4444d////////2", 0, 8, 1, 8, Cues{ColourCue(2, 1), ColourCue(2, 2), ColourCue(4, 3)},
         10, 3, CellIndex(1, 8), 2, Normal},
    };
    for (const auto& c : cases) {
        CTestGame game(c.seed);
        game.Play(c.board);
        game.m_scoreBar.StartMoveClock(30);
        game.Tick(5);
        game.Click(c.fromCol, c.fromRow);
        game.Click(c.toCol, c.toRow);
        EXPECT_EQ(game.m_cues.m_ids, c.cues) << c.board;
        EXPECT_EQ(std::tuple(game.m_scoreBar.Score(), game.Balls(), game.Count(Preview),
                             game.Position()[c.probe]),
                  std::tuple(c.score, c.balls, 3, std::pair(c.colour, c.state)))
            << c.board;
        EXPECT_EQ(std::tuple(game.m_scoreBar.SecondsLeft(), game.ClockRunning(),
                             game.m_frame.CanUndo(), game.Selection()),
                  std::tuple(30u, true, 1, std::pair(-1, -1)))
            << c.board;
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
        game.Click(0, 0);
        game.Click(1, 0);
        EXPECT_EQ(std::tuple(game.m_field.Active(), game.m_frame.Running(), game.m_frame.CanStart(),
                             game.ClockRunning(), game.Count(Preview)),
                  std::tuple(int{oneFree}, int{oneFree}, int{!oneFree}, oneFree, int{oneFree}));
        if (oneFree) continue;
        EXPECT_EQ(game.m_cues.m_ids, (Cues{ColourCue(1, 1), ColourCue(1, 2), 137}));
        EXPECT_FALSE(game.m_frame.IsEnabled(ID_GAME_UNDO));
        EXPECT_EQ(game.Balls(), 81);
    }
}

TEST(TurnFlow, SkipAndUndoCueAndRestoreThePositionWithoutTheSelection) {
    CTestGame game(2024);
    game.m_frame.OnStart();
    game.Click(0, 0); // whatever is there
    auto before = game.Position();
    for (auto& cell : before) cell.second -= cell.second == Selected ? Selected : 0;
    game.m_cues.m_ids.clear();
    ASSERT_TRUE(game.m_frame.OnCommand(ID_GAME_SKIP));
    EXPECT_EQ(std::tuple(game.m_cues.m_ids.front(), game.Selection()),
              std::tuple(175u, std::pair(-1, -1)));
    ASSERT_TRUE(game.m_frame.OnCommand(ID_GAME_UNDO));
    EXPECT_EQ(std::tuple(game.m_cues.m_ids.back(), game.Position()), std::tuple(151u, before));
    EXPECT_FALSE(game.m_frame.OnCommand(ID_GAME_UNDO));
}

TEST(TurnFlow, TheThirtyFirstTickSkipsTheMoveButNotInTheClassicalStyle) {
    for (int classical : {0, 1}) {
        CTestGame game(3);
        g_classical = classical;
        game.m_frame.OnStart();
        EXPECT_EQ(game.m_frame.OnCommand(ID_GAME_SKIP), !classical);
        const auto position = game.Position();
        const int balls = game.Balls();
        EXPECT_EQ(game.m_frame.IsEnabled(ID_GAME_UNDO), !classical);
        game.m_cues.m_ids.clear();
        game.Tick(30);
        EXPECT_EQ(std::tuple(game.m_scoreBar.SecondsLeft(), game.Position(), game.m_cues.m_ids),
                  std::tuple(0u, position, Cues{}));
        game.Tick();
        EXPECT_EQ(game.ClockRunning(), !classical);
        if (classical) {
            EXPECT_EQ(std::tuple(game.Position(), game.m_cues.m_ids), std::tuple(position, Cues{}));
            continue;
        }
        ASSERT_FALSE(game.m_cues.m_ids.empty());
        EXPECT_EQ(
            std::tuple(game.m_cues.m_ids.front(), game.Balls(), game.m_scoreBar.SecondsLeft()),
            std::tuple(147u, balls + 3, 30u));
        EXPECT_FALSE(game.m_frame.IsEnabled(ID_GAME_UNDO));
    }
}

// Records the board's changes of look, and what the name dialog finds.
struct CLookRecorder : CBoardLook, CNameDlgHost {
    void BeginPlayingLook() override { m_log += "begin;"; }
    void RevealCell(int index) override {
        const CCell& cell = m_game->m_cells[index];
        m_log += cell.m_colour == 0 && cell.m_state == Normal ? "" : "dirty;";
        m_revealed += index == m_revealed;
    }
    void EndPlayingLook() override { m_log += "end;"; }
    void ShowStoppedLook() override { m_log += "stopped;"; }
    int RunModal(CNameDlg&) override {
        m_log += "dialog(active=" + std::to_string(m_game->m_field.Active()) +
                 ",clock=" + (m_game->ClockRunning() ? "on" : "off") + ");";
        return CNameDlg::IDCANCEL;
    }
    void ShowMessage(const std::string&) override {}
    std::string m_log;
    int m_revealed = 0;
    CTestGame* m_game = nullptr;
};

TEST(TurnFlow, StartAndStopRunTheirStepsInOrder) {
    CLookRecorder look;
    CTestGame game(1, &look, nullptr, &look);
    look.m_game = &game;
    game.Load("1////////......b");
    game.m_field.StartGame();
    EXPECT_EQ(std::tuple(look.m_log, look.m_revealed, game.m_cues.m_ids),
              std::tuple("begin;end;", 81, Cues{136})); // every cell revealed, in order
    EXPECT_EQ(std::tuple(game.Count(Normal), game.Count(Preview), game.m_field.Seed()),
              std::tuple(3, 3, 22609));
    EXPECT_EQ(std::tuple(game.m_frame.Running(), game.m_frame.CanStart(), game.m_field.Active()),
              std::tuple(1, 0, 1));
    EXPECT_EQ(std::tuple(game.m_scoreBar.SecondsLeft(), game.ClockRunning()),
              std::tuple(30u, true));
    game.m_field.OnCommand(CellCommandId(5, 8));
    game.m_scoreBar.AddScore(2); // a score to ask a name for
    const auto position = game.Position();
    look.m_log.clear();
    game.m_field.StopGame();
    EXPECT_EQ(look.m_log, "dialog(active=0,clock=off);stopped;");
    EXPECT_EQ(std::tuple(game.m_cues.m_ids.back(), game.Position(), game.m_field.SelCol()),
              std::tuple(137u, position, 5));
    EXPECT_EQ(std::tuple(game.m_frame.Running(), game.m_frame.CanStart()), std::tuple(0, 1));
}

// The pause box, with the window minimised and restored behind it.
struct CPauseBox : CFrameDisplay {
    void RunPauseBox() override {
        m_panel->Hold().HoldWhileMinimised(true);
        m_panel->Hold().HoldWhileMinimised(false); // the box still holds the clock
        for (int i = 0; i < 100; ++i) m_panel->OnTimer(1);
    }
    CScoreKeeper* m_panel = nullptr;
};

TEST(MoveClock, HeldAndForeignTicksAreLostStoppingKeepsTheCountNoTimerMeansNoLimit) {
    CPauseBox box;
    CTestGame game(1, nullptr, &box);
    CScoreKeeper& panel = game.m_scoreBar;
    box.m_panel = &panel;
    EXPECT_EQ(panel.StopMoveClock(), 0); // never started
    panel.OnTimer(1);
    EXPECT_EQ(panel.SecondsLeft(), 0u);
    EXPECT_EQ(panel.StartMoveClock(30), 1);
    panel.OnTimer(1);
    game.m_frame.OnPause();
    panel.Hold().HoldWhileMinimised(true);
    for (int i = 0; i < 100; ++i) panel.OnTimer(1);
    panel.Hold().HoldWhileMinimised(false);
    panel.OnTimer(2);
    panel.OnTimer(0);
    EXPECT_EQ(panel.SecondsLeft(), 29u);
    game.Tick(3);
    EXPECT_EQ(panel.StopMoveClock(), 1);
    game.Tick(10);
    EXPECT_EQ(std::tuple(game.ClockRunning(), panel.SecondsLeft()), std::tuple(false, 26u));

    CTestGame untimed(4);
    untimed.m_panelTimers.m_failStarts = true;
    untimed.m_frame.OnStart();
    const auto position = untimed.Position();
    for (int i = 0; i < 40; ++i) untimed.m_scoreBar.OnTimer(1);
    EXPECT_EQ(untimed.Position(), position);
    EXPECT_EQ(untimed.m_scoreBar.StopMoveClock(), 0);
}

TEST(FrameLogic, PlayingTimeCountsOnlyItsOwnTimerWhileAGameRunsAndReadsAsText) {
    CTestGame game(10);
    CFrameLogic& frame = game.m_frame;
    frame.OnTimer(1); // before the first start
    EXPECT_EQ(frame.PlaySeconds(), 0u);
    frame.OnStart();
    for (unsigned id : {1u, 2u, 1u}) frame.OnTimer(id);
    EXPECT_EQ(frame.PlaySeconds(), 2u);
    frame.OnStop();
    EXPECT_FALSE(game.m_frameTimers.IsRunning(1));
    frame.OnTimer(1);
    EXPECT_EQ(frame.PlayTimeText(), "You have been playing for : 0 h 00 m 02 s"); // kept on display
    frame.OnStart();
    EXPECT_EQ(frame.PlaySeconds(), 0u);
    game.m_field.StopGame(); // game over: the timer runs on but nothing counts
    game.Tick(5);
    EXPECT_EQ(std::tuple(game.m_frameTimers.IsRunning(1), frame.PlaySeconds()),
              std::tuple(true, 0u));
    for (auto [seconds, text] : {std::pair{3725u, ": 1 h 02 m 05 s"},
                                 {360059u, ":100 h 00 m 59 s"},
                                 {0xFFFFFFFFu, ":1193046 h 28 m 15 s"}})
        EXPECT_EQ(PlayTimeText(seconds), std::string("You have been playing for ") + text);
}

} // namespace
