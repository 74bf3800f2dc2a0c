#include <ctime>

#include "test_game.h"

namespace {

TEST(Board, CommandsOutsideTheCellsGoToTheFrameworkAndChangeNothing) {
    struct CCountingField : CFieldGame {
        using CFieldGame::CFieldGame;
        int DefaultCommand(long long param) override { return m_last = param, 7; }
        long long m_last = 0;
    } field(1);
    CTestGame game;
    game.Wire(field, &game.m_scoreBar, &game.m_frame);
    field.m_active = 1;
    for (long long param : {9999LL, 10081LL, -1LL, 0x10000LL + 10000, 4294967296LL + 10000}) {
        EXPECT_EQ(field.OnCommand(param), 7);
        EXPECT_EQ(field.m_last, param);
    }
    EXPECT_EQ(game.m_cues.m_ids, Cues{});
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
    EXPECT_EQ(std::tuple(first.Position(), first.m_field.m_seed),
              std::tuple(fresh.Position(), fresh.m_field.m_seed));
}

TEST(Cue, SoundSwitchModuleRangeLowSixteenBitsAndColourKindsDecideWhatPlays) {
    CTestGame game;
    g_soundOn = 0;
    PlayCue(136);
    g_soundOn = 1;
    PlayCue(623); // no module loaded: from the platform
    static const int module = 0;
    g_soundModule = &module;
    for (unsigned id : {151u, 623u, 599u, 600u, 0x10000u + 136}) PlayCue(id);
    EXPECT_EQ(game.m_cues.m_ids,
              (Cues{623, 151, kModule + 623, 599, kModule + 600, kModule + 136}));
    g_soundModule = nullptr;
    game.m_cues.m_ids.clear();
    CPlainCell cell;
    cell.SetBall(5, Normal);
    for (int kind = -1; kind <= 5; ++kind) cell.PlayColourCue(kind);
    cell.SetBall(1, Preview);
    cell.PlayColourCue(1);
    EXPECT_EQ(game.m_cues.m_ids, (Cues{621, 622, 623, 605}));
}

} // namespace
