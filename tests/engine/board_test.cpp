#include <ctime>

#include "test_game.h"

namespace {

TEST(Board, CommandsOutsideTheCellsGoToTheFrameworkAndChangeNothing) {
    struct CCountingField : CFieldGame {
        using CFieldGame::CFieldGame;
        int DefaultCommand(long long param) override {
            m_last = param;
            return 7;
        }
        long long m_last = 0;
    } field(1);
    CTestGame game;
    game.Wire(field, &game.m_scoreBar, &game.m_frame);
    field.m_active = 1;
    for (long long param : {9999LL, 10081LL, -1LL, 0x10000LL + 10000, 4294967296LL + 10000}) {
        EXPECT_EQ(field.OnCommand(param), 7);
        EXPECT_EQ(field.m_last, param);
    }
    EXPECT_TRUE(game.m_cues.m_ids.empty());
    EXPECT_EQ(game.Balls(), 0);
}

TEST(Board, ConstructionTakesTheSeedFromTheClockAndNewGamesContinueTheChain) {
    const auto before = static_cast<unsigned>(std::time(nullptr));
    CFieldGame field;
    EXPECT_GE(static_cast<unsigned>(field.m_seed), before);
    EXPECT_LE(static_cast<unsigned>(field.m_seed), static_cast<unsigned>(std::time(nullptr)));
    EXPECT_EQ(field.m_active, 0);

    CTestGame first(777);
    first.m_frame.OnStart();
    first.m_frame.OnStop();
    CTestGame fresh(first.m_field.m_seed);
    first.m_frame.OnStart();
    fresh.m_frame.OnStart();
    EXPECT_EQ(first.Position(), fresh.Position());
    EXPECT_EQ(first.m_field.m_seed, fresh.m_field.m_seed);
}

TEST(Cue, SoundSwitchModuleRangeAndLowSixteenBitsDecideWhatPlays) {
    CCueRecorder cues;
    SetCuePlayer(&cues);
    g_soundModule = nullptr;
    g_soundOn = 0;
    PlayCue(136);
    EXPECT_TRUE(cues.m_ids.empty());
    g_soundOn = 1;
    PlayCue(623); // no module loaded: from the platform
    static const int module = 0;
    g_soundModule = &module;
    for (unsigned id : {151u, 623u, 599u, 600u, 0x10000u + 136}) PlayCue(id);
    EXPECT_EQ(cues.m_ids, (Cues{623, 151, 623, 599, 600, 136}));
    EXPECT_EQ(cues.m_fromModule, (std::vector<bool>{false, false, true, false, true, true}));
    SetCuePlayer(nullptr);
    g_soundModule = nullptr;
}

TEST(Cue, ColourCuesExistForKindsOneToThreeOnly) {
    CTestGame game;
    CPlainCell cell;
    cell.SetBall(5, Normal);
    for (int kind = -1; kind <= 5; ++kind) cell.PlayColourCue(kind);
    EXPECT_EQ(game.m_cues.m_ids, (Cues{621, 622, 623}));
    cell.SetBall(1, Preview);
    cell.PlayColourCue(1);
    EXPECT_EQ(game.m_cues.m_ids.back(), 605u);
}

} // namespace
