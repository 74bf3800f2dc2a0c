#include "test_game.h"

namespace {

TEST(ScoreKeeper, KeepsTheScoreAndItsUndoCopy) {
    CTestGame game;
    CScoreKeeper& panel = game.m_scoreBar;
    EXPECT_EQ(panel.m_score, 0u);
    EXPECT_EQ(panel.m_secondsLeft, 0u);
    panel.ResetScore(); // as a game starts: the live entry is in the table
    panel.AddScore(10);
    panel.SaveScore();
    panel.AddScore(18);
    EXPECT_EQ(panel.m_score, 28u);
    EXPECT_EQ(panel.m_savedScore, 10u);
    panel.RestoreScore();
    EXPECT_EQ(panel.m_score, 10u);
    panel.ResetScore();
    EXPECT_EQ(panel.m_score, 0u);
    EXPECT_EQ(panel.m_savedScore, 10u);
    // Unsigned arithmetic wraps instead of failing.
    panel.m_score = 0xFFFFFFFFu;
    panel.AddScore(2);
    EXPECT_EQ(panel.m_score, 1u);
    EXPECT_TRUE(game.m_cues.m_ids.empty());
}

TEST(MoveClock, ExpiresOnTheThirtyFirstTickAndSkipsTheMove) {
    CTestGame game(6);
    game.m_frame.OnStart();
    const int balls = game.Balls();
    EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 30u);
    game.Tick(29);
    EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 1u);
    game.Tick();
    EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 0u);
    EXPECT_EQ(game.Balls(), balls);
    game.m_cues.m_ids.clear();
    game.Tick();
    EXPECT_EQ(game.m_cues.m_ids.front(), 147u);
    EXPECT_EQ(game.Balls(), balls + 3);
    EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 30u);
}

TEST(MoveClock, TicksDuringAPauseAreLostAndForeignTicksIgnored) {
    CTestGame game;
    CScoreKeeper& panel = game.m_scoreBar;
    panel.StartMoveClock(30);
    panel.OnTimer(1);
    panel.m_paused = 1;
    for (int i = 0; i < 100; ++i) panel.OnTimer(1);
    EXPECT_EQ(panel.m_secondsLeft, 29u);
    panel.m_paused = 0;
    panel.OnTimer(2);
    panel.OnTimer(0);
    EXPECT_EQ(panel.m_secondsLeft, 29u);
    panel.OnTimer(1);
    EXPECT_EQ(panel.m_secondsLeft, 28u);
}

TEST(MoveClock, StoppingKeepsTheCountAndStoppingBeforeAnyStartFails) {
    CTestGame game;
    CScoreKeeper& panel = game.m_scoreBar;
    EXPECT_EQ(panel.StopMoveClock(), 0);
    panel.OnTimer(1); // no clock yet: nothing counts
    EXPECT_EQ(panel.m_secondsLeft, 0u);
    EXPECT_EQ(panel.StartMoveClock(30), 1);
    game.Tick(4);
    EXPECT_EQ(panel.StopMoveClock(), 1);
    EXPECT_FALSE(game.ClockRunning());
    game.Tick(10);
    EXPECT_EQ(panel.m_secondsLeft, 26u);
    EXPECT_EQ(panel.m_timerId, 1u);
}

TEST(MoveClock, WithoutATimerTheMoveHasNoLimit) {
    CTestGame game(4);
    game.m_panelTimers.m_failStarts = true;
    game.m_frame.OnStart();
    EXPECT_EQ(game.m_scoreBar.m_timerId, 0u);
    EXPECT_EQ(game.m_scoreBar.m_secondsLeft, 30u);
    const auto position = game.Position();
    for (int i = 0; i < 40; ++i) game.m_scoreBar.OnTimer(1);
    EXPECT_EQ(game.Position(), position);
    EXPECT_EQ(game.m_scoreBar.StopMoveClock(), 0);
}

} // namespace
