#include <ctime>

#include "test_game.h"

namespace {

TEST(Board, TheSeedComesFromTheClockAndCellClicksAreTheBoardsEvenWithNoGame) {
    const auto before = static_cast<unsigned>(std::time(nullptr));
    const auto seed = static_cast<unsigned>(CFieldGame::ClockSeed());
    EXPECT_TRUE(seed >= before && seed <= static_cast<unsigned>(std::time(nullptr)));
    CTestGame game;
    EXPECT_EQ(game.m_field.OnCommand(CellCommandId(8, 8)), 1); // no game: swallowed
    game.Play("1");
    for (long long param : {9999LL, 10081LL, -1LL, 0x10000LL + 10000, 4294967296LL + 10000})
        EXPECT_EQ(game.m_field.OnCommand(param), 0);
    EXPECT_EQ(std::tuple(game.m_cues.m_ids, game.Balls()), std::tuple(Cues{}, 1));
}

TEST(Dealing, TopsUpToThreeOnFreeCellsOnlyAndNotWhileNoGameIsOn) {
    CTestGame game(555);
    game.Load("a/.b/..c");
    EXPECT_EQ(game.m_field.DealBalls(0, 3), 0); // no game
    EXPECT_EQ(game.m_field.DealBalls(1, 3), 0);
    game.Play("123456712/2.......3/3..c....4/4.......5/5.a.....6/6.......7/7.....b.1/"
              "1.......2/234567123");
    const auto position = game.Position();
    EXPECT_EQ(game.m_field.DealBalls(0, 3), 1);
    EXPECT_EQ(std::tuple(game.Position(), game.m_field.Seed()), std::tuple(position, 555));
    game.At(3, 2).SetBall(0, Normal);
    EXPECT_EQ(game.m_field.DealBalls(0, 3), 1);
    EXPECT_EQ(std::tuple(game.Count(Preview), game.Balls()), std::tuple(3, 32)); // not over a ball
    EXPECT_NE(game.m_field.Seed(), 555);
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
    g_soundModule = nullptr;
    CTestCell cell;
    cell.SetBall(5, Normal);
    for (int kind = -1; kind <= 5; ++kind) cell.PlayColourCue(kind);
    cell.SetBall(1, Preview);
    cell.PlayColourCue(1);
    EXPECT_EQ(game.m_cues.m_ids, (Cues{623, 151, kModule + 623, 599, kModule + 600, kModule + 136,
                                       621, 622, 623, 605}));
}

} // namespace
