#include <string>

#include "test_game.h"

namespace {

TEST(FrameLogic, EnableRulesFollowTheGameAndTheStyleAndRefusedCommandsDoNothing) {
    CTestGame game(1);
    CFrameLogic& frame = game.m_frame;
    // Start, Stop, Undo, Skip, Pause, the three style options; the rest are always on.
    auto expect = [&](const char* enabled) {
        const unsigned ids[] = {ID_GAME_START,       ID_GAME_STOP,        ID_GAME_UNDO,
                                ID_GAME_SKIP,        ID_GAME_PAUSE,       ID_OPTIONS_CLASSICAL,
                                ID_OPTIONS_ADVANCED, ID_OPTIONS_NONROUND, ID_OPTIONS_SOUND,
                                ID_OPTIONS_SAVE,     ID_HELP_HOWTOPLAY,   ID_APP_ABOUT,
                                ID_APP_EXIT};
        for (int i = 0; i < 13; ++i)
            EXPECT_EQ(frame.IsEnabled(ids[i]), i >= 8 || enabled[i] == '1') << enabled << " " << i;
    };
    expect("10000111");
    for (unsigned id : std::initializer_list<unsigned>{ID_GAME_STOP, ID_GAME_UNDO, ID_GAME_SKIP,
                                                       ID_GAME_PAUSE, 0})
        EXPECT_FALSE(frame.OnCommand(id));
    EXPECT_EQ(std::tuple(game.m_cues.m_ids, game.m_frameTimers.IsRunning(1)),
              std::tuple(Cues{}, false));
    EXPECT_TRUE(frame.OnCommand(ID_GAME_START));
    expect("01011000");
    const auto state = std::tuple(game.Position(), game.m_cues.m_ids);
    for (unsigned id : {ID_GAME_START, ID_OPTIONS_CLASSICAL, ID_OPTIONS_NONROUND, ID_GAME_UNDO})
        EXPECT_FALSE(frame.OnCommand(id));
    EXPECT_EQ(std::tuple(game.Position(), game.m_cues.m_ids), state);
    EXPECT_EQ(std::tuple(g_classical, g_roundBalls), std::tuple(0, 0));
    frame.OnSkip();
    expect("01111000");
    g_classical = 1;
    expect("01000000");
    EXPECT_FALSE(frame.OnCommand(ID_GAME_SKIP) || frame.OnCommand(ID_GAME_PAUSE));
    EXPECT_EQ(game.m_scoreBar.Paused(), 0);
    g_classical = 0;
    frame.OnStop();
    expect("10000111");
    EXPECT_FALSE(frame.IsEnabled(12345));
}

TEST(FrameLogic, OptionCommandsFlipOneFlagEachAndShowTheirChecks) {
    CTestGame game;
    CFrameLogic& frame = game.m_frame;
    g_roundBalls = 1, g_saveOnExit = 0, g_soundOn = 5; // any nonzero value is on
    EXPECT_TRUE(frame.IsChecked(ID_OPTIONS_SOUND));
    EXPECT_FALSE(frame.IsChecked(ID_GAME_START));
    struct {
        unsigned id;
        int* flag;
        int after;
        bool checked;
    } flips[] = {
        {ID_OPTIONS_CLASSICAL, &g_classical, 1, true}, {ID_OPTIONS_ADVANCED, &g_classical, 0, true},
        {ID_OPTIONS_NONROUND, &g_roundBalls, 0, true}, {ID_OPTIONS_SOUND, &g_soundOn, 0, false},
        {ID_OPTIONS_SAVE, &g_saveOnExit, 1, true},     {ID_OPTIONS_SOUND, &g_soundOn, 1, true}};
    for (int i = 0; i < 6; ++i) {
        if (i == 4) frame.OnStart(); // sound and saving can be switched during a game
        EXPECT_TRUE(frame.OnCommand(flips[i].id)) << i;
        EXPECT_EQ(std::tuple(*flips[i].flag, frame.IsChecked(flips[i].id)),
                  std::tuple(flips[i].after, flips[i].checked))
            << i;
    }
    EXPECT_FALSE(frame.IsChecked(ID_OPTIONS_CLASSICAL));
    g_roundBalls = 0;
}

// Records the frame's display and the board's paused look.
struct CHookedFrame : CFrameDisplay, CBoardLook {
    void EnableClockFields(bool enable) override { m_log += enable ? "fields on;" : "fields off;"; }
    void RunPauseBox() override {
        m_log += "box(paused=" + std::to_string(m_game->m_scoreBar.Paused()) + ");";
        m_game->Tick(45);
    }
    void OnHowToPlay() override { m_log += "rules;"; }
    void OnAppAbout() override { m_log += "about;"; }
    void OnAppExit() override { m_log += "exit;"; }
    void ShowPaused() override { m_log += "paused look;"; }
    void ShowResumed() override { m_log += "resumed look;"; }
    std::string m_log;
    CTestGame* m_game = nullptr;
};

TEST(FrameLogic, PauseHoldsTheMoveClockButNotThePlayingTime) {
    CHookedFrame hooks;
    CTestGame game(9, &hooks, &hooks);
    hooks.m_game = &game;
    CFrameLogic& frame = game.m_frame;
    for (unsigned id : {ID_GAME_START, ID_GAME_PAUSE, ID_HELP_HOWTOPLAY, ID_APP_ABOUT, ID_APP_EXIT})
        EXPECT_TRUE(frame.OnCommand(id));
    EXPECT_EQ(hooks.m_log, "fields on;paused look;box(paused=1);resumed look;rules;about;exit;");
    EXPECT_EQ(
        std::tuple(game.m_scoreBar.Paused(), game.m_scoreBar.SecondsLeft(), frame.PlaySeconds()),
        std::tuple(0, 30u, 45u));
    frame.OnStop();
    hooks.m_log.clear();
    g_classical = 1;
    frame.OnStart();
    EXPECT_EQ(hooks.m_log, "fields off;");
    g_classical = 0;
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
