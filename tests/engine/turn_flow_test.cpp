#include <string>

#include "test_game.h"

namespace {

// The rest of a move's steps and the clock's restart are the driver cases'.
TEST(TurnFlow, BallsThatComeInCompleteARowThemselves) {
    CTestGame game(13);
    game.Play("4444d////////2");
    game.Click(0, 8);
    game.Click(1, 8);
    EXPECT_EQ(game.m_cues.m_ids, (Cues{ColourCue(2, 1), ColourCue(2, 2), ColourCue(4, 3)}));
    EXPECT_EQ(std::tuple(game.m_scoreBar.Score(), game.Balls(), game.Count(Preview),
                         game.Position()[CellIndex(1, 8)]),
              std::tuple(10u, 3, 3, std::pair(2, int(Normal))));
}

// Records the board's changes of look, and what the name dialog finds.
struct CLookRecorder : CBoardLook, CNameDlgHost {
    void BeginPlayingLook() override { m_log += "begin;"; }
    void RevealCell(int index) override {
        const CCell& cell = m_game->m_cells[index];
        m_revealed += index == m_revealed && cell.m_colour == 0 && cell.m_state == Normal;
    }
    void EndPlayingLook() override { m_log += "end;"; }
    void ShowStoppedLook() override { m_log += "stopped;"; }
    int RunModal(CNameDlg&) override {
        m_log += "dialog(active=" + std::to_string(m_game->m_field.Active()) +
                 ",clock=" + (m_game->ClockRunning() ? "on" : "off") + ");";
        return CNameDlg::IDCANCEL;
    }
    void ShowSaveFailure(const std::string&) override {}
    std::string m_log;
    int m_revealed = 0; // cells revealed empty, in storage order
    CTestGame* m_game = nullptr;
};

TEST(TurnFlow, StartAndStopChangeTheLookInOrderAndTheNameIsAskedWithTheGameOver) {
    CLookRecorder look;
    CTestGame game(1, &look, &look);
    look.m_game = &game;
    game.Load("1////////......b");
    game.m_field.StartGame();
    game.m_scoreBar.AddScore(2); // a score to ask a name for
    game.m_field.StopGame();
    EXPECT_EQ(std::tuple(look.m_log, look.m_revealed),
              std::tuple("begin;end;dialog(active=0,clock=off);stopped;", 81));
}

TEST(Timers, HeldAndForeignTicksAreLostNoTimerMeansNoLimitAndThePlayingTimeReadsAsText) {
    CTestGame game;
    CClockHold& hold = game.m_scoreBar.Hold();
    game.m_frame.OnStart();
    hold.HoldForPauseBox(true);
    hold.HoldWhileMinimised(true);
    hold.HoldWhileMinimised(false); // the pause box still holds the clock
    game.Tick(100);
    hold.HoldForPauseBox(false);
    hold.HoldWhileMinimised(true);
    game.Tick(100);
    hold.HoldWhileMinimised(false);
    for (unsigned id : {2u, 0u, 1u}) {
        game.m_scoreBar.OnTimer(id);
        game.m_frame.OnTimer(id);
    }
    EXPECT_EQ(std::pair(game.m_scoreBar.SecondsLeft(), game.m_frame.PlaySeconds()),
              std::pair(29u, 201u));

    CTestGame untimed(4);
    untimed.m_game.m_clockTimers.m_failStarts = true;
    untimed.m_frame.OnStart();
    const auto position = untimed.Position();
    for (int i = 0; i < 40; ++i) untimed.m_scoreBar.OnTimer(1);
    EXPECT_EQ(std::tuple(untimed.Position(), untimed.m_scoreBar.StopMoveClock()),
              std::tuple(position, 0));
}

} // namespace
