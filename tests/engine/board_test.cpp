#include <ctime>

#include "test_game.h"

namespace {

TEST(Board, CommandsOutsideTheCellsAreNotTheGamesAndChangeNothing) {
    CTestGame game;
    game.Play("1");
    for (long long param : {9999LL, 10081LL, -1LL, 0x10000LL + 10000, 4294967296LL + 10000})
        EXPECT_EQ(game.m_field.OnCommand(param), 0);
    EXPECT_EQ(std::tuple(game.m_cues.m_ids, game.Balls()), std::tuple(Cues{}, 1));
}

TEST(Board, TheSeedComesFromTheClockAndNewGamesContinueTheChain) {
    const auto before = static_cast<unsigned>(std::time(nullptr));
    const auto seed = static_cast<unsigned>(CFieldGame::ClockSeed());
    EXPECT_TRUE(seed >= before && seed <= static_cast<unsigned>(std::time(nullptr)));
    CTestGame first(777);
    first.m_frame.OnStart();
    first.m_frame.OnStop();
    CTestGame fresh(first.m_field.Seed());
    EXPECT_EQ(fresh.m_field.Active(), 0);
    first.m_frame.OnStart();
    fresh.m_frame.OnStart();
    EXPECT_EQ(std::tuple(first.Position(), first.m_field.Seed()),
              std::tuple(fresh.Position(), fresh.m_field.Seed()));
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
    CTestCell cell;
    cell.SetBall(5, Normal);
    for (int kind = -1; kind <= 5; ++kind) cell.PlayColourCue(kind);
    cell.SetBall(1, Preview);
    cell.PlayColourCue(1);
    EXPECT_EQ(game.m_cues.m_ids, (Cues{621, 622, 623, 605}));
}

} // namespace
