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
    EXPECT_EQ(std::tuple(game.m_cues.m_ids, frame.m_playTimerId), std::tuple(Cues{}, 0u));
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
    EXPECT_EQ(game.m_scoreBar.m_paused, 0);
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

struct CHookedFrame : CFrameLogic {
    void EnableClockFields(bool enable) override { m_log += enable ? "fields on;" : "fields off;"; }
    void RunPauseBox() override {
        m_log += "box(paused=" + std::to_string(m_wndScoreBar->m_paused) + ");";
        // Minimised and restored behind the box: the box still holds the clock.
        HoldMoveClock(CClockHold::Cause::Minimised, true);
        HoldMoveClock(CClockHold::Cause::Minimised, false);
        for (int i = 0; i < 45; ++i) OnTimer(1), m_wndScoreBar->OnTimer(1);
    }
    void OnHowToPlay() override { m_log += "rules;"; }
    void OnAppAbout() override { m_log += "about;"; }
    void OnAppExit() override { m_log += "exit;"; }
    std::string m_log;
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
    parts.Wire(field, &parts.m_scoreBar, &frame);
    parts.m_scoreBar.Attach(&field, &parts.m_panelTimers);
    frame.Attach(&field, &parts.m_scoreBar, &parts.m_frameTimers);
    for (unsigned id : {ID_GAME_START, ID_GAME_PAUSE, ID_HELP_HOWTOPLAY, ID_APP_ABOUT, ID_APP_EXIT})
        EXPECT_TRUE(frame.OnCommand(id));
    EXPECT_EQ(frame.m_log, "fields on;paused look;box(paused=1);resumed look;rules;about;exit;");
    EXPECT_EQ(
        std::tuple(parts.m_scoreBar.m_paused, parts.m_scoreBar.m_secondsLeft, frame.m_playSeconds),
        std::tuple(0, 30u, 45u));
    frame.OnStop();
    frame.m_log.clear();
    g_classical = 1;
    frame.OnStart();
    EXPECT_EQ(frame.m_log, "fields off;");
    g_classical = 0;
}

TEST(FrameLogic, PlayingTimeCountsOnlyItsOwnTimerWhileAGameRunsAndReadsAsText) {
    CTestGame game(10);
    CFrameLogic& frame = game.m_frame;
    frame.OnTimer(1); // before the first start
    EXPECT_EQ(frame.m_playSeconds, 0u);
    frame.OnStart();
    for (unsigned id : {1u, 2u, 1u}) frame.OnTimer(id);
    EXPECT_EQ(frame.m_playSeconds, 2u);
    frame.OnStop();
    EXPECT_FALSE(game.m_frameTimers.IsRunning(1));
    frame.OnTimer(1);
    EXPECT_EQ(frame.PlayTimeText(), "You have been playing for : 0 h 00 m 02 s"); // kept on display
    frame.OnStart();
    EXPECT_EQ(frame.m_playSeconds, 0u);
    game.m_field.StopGame(); // game over: the timer runs on but nothing counts
    game.Tick(5);
    EXPECT_EQ(std::tuple(game.m_frameTimers.IsRunning(1), frame.m_playSeconds),
              std::tuple(true, 0u));
    for (auto [seconds, text] : {std::pair{3725u, ": 1 h 02 m 05 s"},
                                 {360059u, ":100 h 00 m 59 s"},
                                 {0xFFFFFFFFu, ":1193046 h 28 m 15 s"}})
        EXPECT_EQ(PlayTimeText(seconds), std::string("You have been playing for ") + text);
}

} // namespace
