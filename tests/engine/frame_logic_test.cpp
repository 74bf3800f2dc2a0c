#include "test_game.h"

namespace {

TEST(FrameLogic, EnableRulesFollowTheGameAndTheStyle) {
    CTestGame game(1);
    CFrameLogic& frame = game.m_frame;
    const unsigned always[] = {ID_OPTIONS_SOUND, ID_OPTIONS_SAVE, ID_HELP_HOWTOPLAY, ID_APP_ABOUT,
                               ID_APP_EXIT};

    auto expect = [&](bool start, bool stop, bool undo, bool skip, bool pause, bool options) {
        EXPECT_EQ(frame.IsEnabled(ID_GAME_START), start);
        EXPECT_EQ(frame.IsEnabled(ID_GAME_STOP), stop);
        EXPECT_EQ(frame.IsEnabled(ID_GAME_UNDO), undo);
        EXPECT_EQ(frame.IsEnabled(ID_GAME_SKIP), skip);
        EXPECT_EQ(frame.IsEnabled(ID_GAME_PAUSE), pause);
        EXPECT_EQ(frame.IsEnabled(ID_OPTIONS_CLASSICAL), options);
        EXPECT_EQ(frame.IsEnabled(ID_OPTIONS_ADVANCED), options);
        EXPECT_EQ(frame.IsEnabled(ID_OPTIONS_NONROUND), options);
        for (unsigned id : always) EXPECT_TRUE(frame.IsEnabled(id));
    };

    expect(true, false, false, false, false, true);
    frame.OnStart();
    expect(false, true, false, true, true, false);
    frame.OnSkip();
    expect(false, true, true, true, true, false);
    g_classical = 1;
    expect(false, true, false, false, false, false);
    g_classical = 0;
    frame.OnStop();
    expect(true, false, false, false, false, true);
    EXPECT_FALSE(frame.IsEnabled(12345));
}

TEST(FrameLogic, DisabledCommandsAreNotCarriedOut) {
    CTestGame game(1);
    CFrameLogic& frame = game.m_frame;
    for (unsigned id : {ID_GAME_STOP, ID_GAME_UNDO, ID_GAME_SKIP, ID_GAME_PAUSE})
        EXPECT_FALSE(frame.OnCommand(id));
    EXPECT_TRUE(game.m_cues.m_ids.empty());
    EXPECT_EQ(frame.m_playTimerId, 0u);

    EXPECT_TRUE(frame.OnCommand(ID_GAME_START));
    const auto position = game.Position();
    const auto cues = game.m_cues.m_ids;
    EXPECT_FALSE(frame.OnCommand(ID_GAME_START)); // F2 during a game
    EXPECT_FALSE(frame.OnCommand(ID_OPTIONS_CLASSICAL));
    EXPECT_FALSE(frame.OnCommand(ID_OPTIONS_NONROUND));
    EXPECT_FALSE(frame.OnCommand(ID_GAME_UNDO));
    EXPECT_EQ(game.Position(), position);
    EXPECT_EQ(game.m_cues.m_ids, cues);
    EXPECT_EQ(g_classical, 0);
    EXPECT_EQ(g_roundBalls, 0);

    g_classical = 1;
    EXPECT_FALSE(frame.OnCommand(ID_GAME_SKIP));
    EXPECT_FALSE(frame.OnCommand(ID_GAME_PAUSE));
    EXPECT_EQ(game.m_scoreBar.m_paused, 0);
    EXPECT_FALSE(frame.OnCommand(0));
}

TEST(FrameLogic, OptionCommandsFlipOneFlagEachAndShowTheirChecks) {
    CTestGame game;
    CFrameLogic& frame = game.m_frame;
    g_roundBalls = 1;
    g_saveOnExit = 0;
    EXPECT_TRUE(frame.OnCommand(ID_OPTIONS_CLASSICAL));
    EXPECT_EQ(g_classical, 1);
    EXPECT_TRUE(frame.IsChecked(ID_OPTIONS_CLASSICAL));
    EXPECT_FALSE(frame.IsChecked(ID_OPTIONS_ADVANCED));
    EXPECT_TRUE(frame.OnCommand(ID_OPTIONS_ADVANCED));
    EXPECT_EQ(g_classical, 0);
    EXPECT_TRUE(frame.IsChecked(ID_OPTIONS_ADVANCED));

    EXPECT_FALSE(frame.IsChecked(ID_OPTIONS_NONROUND));
    EXPECT_TRUE(frame.OnCommand(ID_OPTIONS_NONROUND));
    EXPECT_EQ(g_roundBalls, 0);
    EXPECT_TRUE(frame.IsChecked(ID_OPTIONS_NONROUND));

    g_soundOn = 5; // any nonzero value is on
    EXPECT_TRUE(frame.IsChecked(ID_OPTIONS_SOUND));
    EXPECT_TRUE(frame.OnCommand(ID_OPTIONS_SOUND));
    EXPECT_EQ(g_soundOn, 0);
    EXPECT_TRUE(frame.OnCommand(ID_OPTIONS_SOUND));
    EXPECT_EQ(g_soundOn, 1);

    EXPECT_TRUE(frame.OnCommand(ID_OPTIONS_SAVE));
    EXPECT_EQ(g_saveOnExit, 1);
    EXPECT_TRUE(frame.IsChecked(ID_OPTIONS_SAVE));
    EXPECT_FALSE(frame.IsChecked(ID_GAME_START));

    // Sound and saving can be switched during a game.
    frame.OnStart();
    EXPECT_TRUE(frame.OnCommand(ID_OPTIONS_SAVE));
    EXPECT_EQ(g_saveOnExit, 0);
    g_roundBalls = 0;
}

struct CHookedFrame : CFrameLogic {
    void EnableClockFields(bool enable) override { m_log += enable ? "fields on;" : "fields off;"; }
    void RunPauseBox() override {
        m_log += "box(paused=" + std::to_string(m_wndScoreBar->m_paused) + ");";
        for (int i = 0; i < m_boxTicks; ++i) {
            OnTimer(1);
            m_wndScoreBar->OnTimer(1);
        }
    }
    void OnHowToPlay() override { m_log += "rules;"; }
    void OnAppAbout() override { m_log += "about;"; }
    void OnAppExit() override { m_log += "exit;"; }
    std::string m_log;
    int m_boxTicks = 0;
};

struct CPauseLookField : CFieldGame {
    using CFieldGame::CFieldGame;
    void ShowPaused() override { *m_log += "paused look;"; }
    void ShowResumed() override { *m_log += "resumed look;"; }
    std::string* m_log = nullptr;
};

TEST(FrameLogic, PauseHoldsTheMoveClockButNotThePlayingTime) {
    CTestGame parts(9);
    CPauseLookField field(9);
    CHookedFrame frame;
    field.m_log = &frame.m_log;
    for (int i = 0; i < 81; ++i) field.m_cells[i] = &parts.m_cells[i];
    field.m_scoreBar = &parts.m_scoreBar;
    field.m_frame = &frame;
    parts.m_scoreBar.Attach(&field, &parts.m_panelTimers);
    frame.Attach(&field, &parts.m_scoreBar, &parts.m_frameTimers);

    EXPECT_TRUE(frame.OnCommand(ID_GAME_START));
    EXPECT_EQ(frame.m_log, "fields on;");
    frame.m_log.clear();
    frame.m_boxTicks = 45;
    EXPECT_TRUE(frame.OnCommand(ID_GAME_PAUSE));
    EXPECT_EQ(frame.m_log, "paused look;box(paused=1);resumed look;");
    EXPECT_EQ(parts.m_scoreBar.m_paused, 0);
    EXPECT_EQ(parts.m_scoreBar.m_secondsLeft, 30u);
    EXPECT_EQ(frame.m_playSeconds, 45u);

    frame.m_log.clear();
    for (unsigned id : {ID_HELP_HOWTOPLAY, ID_APP_ABOUT, ID_APP_EXIT})
        EXPECT_TRUE(frame.OnCommand(id));
    EXPECT_EQ(frame.m_log, "rules;about;exit;");

    frame.OnStop();
    frame.m_log.clear();
    g_classical = 1;
    frame.OnStart();
    EXPECT_EQ(frame.m_log, "fields off;");
    g_classical = 0;
}

TEST(FrameLogic, PlayingTimeCountsOnlyItsOwnTimerWhileAGameRuns) {
    CTestGame game(10);
    CFrameLogic& frame = game.m_frame;
    frame.OnTimer(1); // before the first start
    EXPECT_EQ(frame.m_playSeconds, 0u);
    frame.OnStart();
    EXPECT_EQ(frame.m_playTimerId, 1u);
    EXPECT_TRUE(game.m_frameTimers.IsRunning(1));
    frame.OnTimer(1);
    frame.OnTimer(2);
    frame.OnTimer(1);
    EXPECT_EQ(frame.m_playSeconds, 2u);

    frame.OnStop();
    EXPECT_FALSE(game.m_frameTimers.IsRunning(1));
    EXPECT_EQ(frame.m_playTimerId, 1u);
    frame.OnTimer(1);
    EXPECT_EQ(frame.m_playSeconds, 2u); // kept on display until the next start

    frame.OnStart();
    EXPECT_EQ(frame.m_playSeconds, 0u);
    game.m_field.StopGame(); // game over: the timer runs on but nothing counts
    EXPECT_TRUE(game.m_frameTimers.IsRunning(1));
    game.Tick(5);
    EXPECT_EQ(frame.m_playSeconds, 0u);
}

TEST(FrameLogic, PlayingTimeText) {
    EXPECT_EQ(PlayTimeText(0), "You have been playing for : 0 h 00 m 00 s");
    EXPECT_EQ(PlayTimeText(3725), "You have been playing for : 1 h 02 m 05 s");
    EXPECT_EQ(PlayTimeText(36000), "You have been playing for :10 h 00 m 00 s");
    EXPECT_EQ(PlayTimeText(360000 + 59), "You have been playing for :100 h 00 m 59 s");
    EXPECT_EQ(PlayTimeText(0xFFFFFFFFu), "You have been playing for :1193046 h 28 m 15 s");
    CTestGame game;
    game.m_frame.m_playSeconds = 61;
    EXPECT_EQ(game.m_frame.PlayTimeText(), "You have been playing for : 0 h 01 m 01 s");
}

} // namespace
