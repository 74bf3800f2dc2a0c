#include "engine/deal_generator.h"
#include "test_game.h"

namespace {

TEST(Dealing, GeneratorFollowsTheFormulaExactly) {
    CDealGenerator one(1);
    EXPECT_EQ(one.Draw(), 41);
    EXPECT_EQ(one.Draw(), 18467);
    EXPECT_EQ(one.Draw(), 6334);
    EXPECT_EQ(one.Draw(), 26500);

    // Any 32-bit seed, negative ones included, is the same state word.
    CDealGenerator negative(-1);
    CDealGenerator wrapped(static_cast<int>(0xFFFFFFFFu));
    for (int i = 0; i < 100; ++i) {
        const int value = negative.Draw();
        EXPECT_EQ(value, wrapped.Draw());
        EXPECT_GE(value, 0);
        EXPECT_LE(value, 32767);
    }
    std::uint32_t state = 0xFFFFFFFFu * 214013u + 2531011u;
    EXPECT_EQ(CDealGenerator(-1).Draw(), static_cast<int>((state >> 16) & 0x7FFF));
}

TEST(Dealing, SeedOneOnAnEmptyBoardDealsTheKnownThreeBalls) {
    CTestGame game(1);
    game.Play(kEmptyBoard);
    EXPECT_EQ(game.m_field.DealBalls(0, 3), 1);
    EXPECT_EQ(game.Count(Preview), 3);
    EXPECT_EQ(game.At(5, 8).m_colour, 7);
    EXPECT_EQ(game.At(5, 8).m_state, Preview);
    EXPECT_EQ(game.At(8, 1).m_colour, 6);
    EXPECT_EQ(game.At(7, 2).m_colour, 1);
    EXPECT_EQ(game.m_field.m_seed, 28145);
    EXPECT_TRUE(game.m_cues.m_ids.empty());
}

TEST(Dealing, TopsUpToThreeAndDrawsNothingWhenThreeStand) {
    CTestGame game(555);
    game.Play({"a........", ".b.......", "..c......", ".........", ".........", ".........",
               ".........", ".........", "........."});
    const auto position = game.Position();
    EXPECT_EQ(game.m_field.DealBalls(0, 3), 1);
    EXPECT_EQ(game.Position(), position);
    EXPECT_EQ(game.m_field.m_seed, 555);

    game.At(2, 2).SetBall(0, Normal);
    EXPECT_EQ(game.m_field.DealBalls(0, 3), 1);
    EXPECT_EQ(game.Count(Preview), 3);
    EXPECT_GE(game.m_field.m_seed, 0);
    EXPECT_LE(game.m_field.m_seed, 32767);
}

TEST(Dealing, SameBoardAndSeedDealTheSameBalls) {
    CTestGame a(20231), b(20231);
    const std::array<const char*, 9> rows = {"123456712", "2.......3", "3.......4",
                                             "4.......5", "5.......6", "6.......7",
                                             "7.......1", "1.......2", "234567123"};
    a.Play(rows);
    b.Play(rows);
    a.m_field.DealBalls(0, 3);
    b.m_field.DealBalls(0, 3);
    EXPECT_EQ(a.Position(), b.Position());
    EXPECT_EQ(a.m_field.m_seed, b.m_field.m_seed);
    // No ball was dealt over.
    EXPECT_EQ(a.Balls(), 32);
    EXPECT_EQ(a.Count(Preview), 3);
}

TEST(Dealing, AFullBoardEndsTheGameOnlyWhenAskedAndASmallOneGoesOn) {
    std::array<const char*, 9> full = {"123456712", "234567123", "345671234",
                                       "456712345", "567123456", "671234567",
                                       "712345671", "123456712", "234567123"};
    {
        CTestGame game;
        game.Play(full);
        EXPECT_EQ(game.m_field.DealBalls(0, 3), 1);
        EXPECT_EQ(game.m_field.m_active, 1);
        EXPECT_TRUE(game.m_cues.m_ids.empty());
        EXPECT_EQ(game.m_field.DealBalls(1, 3), 0);
        EXPECT_EQ(game.m_field.m_active, 0);
        EXPECT_EQ(game.m_frame.m_running, 0);
        EXPECT_EQ(game.m_frame.m_canStart, 1);
        EXPECT_EQ(game.m_cues.m_ids, std::vector<unsigned>{137});
    }
    {
        CTestGame game;
        full[4] = "567.23.56";
        game.Play(full);
        const int seed = game.m_field.m_seed;
        EXPECT_EQ(game.m_field.DealBalls(1, 3), 1);
        EXPECT_EQ(game.Count(Preview), 2);
        EXPECT_EQ(game.At(3, 4).m_state, Preview);
        EXPECT_EQ(game.At(6, 4).m_state, Preview);
        EXPECT_NE(game.m_field.m_seed, seed);
        EXPECT_EQ(game.m_field.m_active, 1);
    }
}

TEST(Dealing, NothingHappensWhileNoGameIsOn) {
    CTestGame game(1);
    game.Load(kEmptyBoard);
    EXPECT_EQ(game.m_field.DealBalls(0, 3), 0);
    EXPECT_EQ(game.m_field.DealBalls(1, 3), 0);
    EXPECT_EQ(game.Count(Preview), 0);
    EXPECT_EQ(game.m_field.m_seed, 1);
    EXPECT_TRUE(game.m_cues.m_ids.empty());
}

TEST(Dealing, PromotionTurnsPreviewAndSelectedNormalAndLeavesSadAlone) {
    CTestGame game;
    game.Play({"1A.......", "b........", ".........", ".........", ".........", ".........",
               ".........", ".........", "........."});
    game.At(0, 0).SetBall(1, Selected);
    game.m_field.m_selCol = 0;
    game.m_field.m_selRow = 0;
    game.m_field.PromotePreviews();
    EXPECT_EQ(game.At(0, 0).m_state, Normal);
    EXPECT_EQ(game.At(1, 0).m_state, Sad);
    EXPECT_EQ(game.At(0, 1).m_state, Normal);
    EXPECT_EQ(game.At(0, 1).m_colour, 2);
    EXPECT_EQ(game.m_field.m_selCol, 0);
    EXPECT_TRUE(game.m_cues.m_ids.empty());
}

TEST(Dealing, BothStylesHoldTheSamePreviews) {
    CTestGame advanced(4242);
    advanced.m_frame.OnStart();
    CTestGame classical(4242);
    g_classical = 1;
    classical.m_frame.OnStart();
    EXPECT_EQ(advanced.Position(), classical.Position());
    EXPECT_EQ(classical.Count(Preview), 3);
    EXPECT_EQ(classical.Count(Normal), 3);
}

} // namespace
