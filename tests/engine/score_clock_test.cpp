#include "test_game.h"

namespace {

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
