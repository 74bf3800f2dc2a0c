#include "engine/deal_generator.h"
#include "test_game.h"

namespace {

TEST(Dealing, GeneratorSequenceAndNegativeSeeds) {
    CDealGenerator one(1);
    for (int expected : {41, 18467, 6334, 26500}) EXPECT_EQ(one.Draw(), expected);
    // Any 32-bit seed, negative ones included, is the same state word.
    CDealGenerator negative(-1), wrapped(static_cast<int>(0xFFFFFFFFu));
    for (int i = 0; i < 100; ++i) {
        const int value = negative.Draw();
        EXPECT_EQ(value, wrapped.Draw());
        EXPECT_TRUE(value >= 0 && value <= 32767) << value;
    }
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

} // namespace
