#include "test_game.h"

namespace {

int Removed(CTestGame& game, const std::array<const char*, 9>& rows) {
    game.Play(rows);
    const int before = game.Balls();
    game.m_field.RemoveLines();
    return before - game.Balls();
}

TEST(Lines, FourStayFiveGoNineAcrossScoreEighteen) {
    {
        CTestGame game;
        EXPECT_EQ(Removed(game, {"1111.....", ".........", ".........", ".........", "2222.2222",
                                 ".........", ".........", ".........", "........."}),
                  0);
        EXPECT_EQ(game.m_scoreBar.m_score, 0u);
        EXPECT_TRUE(game.m_cues.m_ids.empty());
    }
    {
        CTestGame game;
        EXPECT_EQ(Removed(game, {".........", "...33333.", ".........", ".........", ".........",
                                 ".........", ".........", ".........", "........."}),
                  5);
        EXPECT_EQ(game.m_scoreBar.m_score, 10u);
        EXPECT_EQ(game.m_cues.m_ids, std::vector<unsigned>{600 + 4 * 3 + 3});
    }
    {
        CTestGame game;
        EXPECT_EQ(Removed(game, {".........", ".........", ".........", ".........", ".........",
                                 ".........", ".........", ".........", "777777777"}),
                  9);
        EXPECT_EQ(game.m_scoreBar.m_score, 18u);
    }
}

TEST(Lines, EveryRunOfFiveIsFoundWhereverItLies) {
    const int directions[4][2] = {{1, 0}, {0, 1}, {1, 1}, {-1, 1}};
    for (const auto& d : directions) {
        for (int col = 0; col < 9; ++col) {
            for (int row = 0; row < 9; ++row) {
                const int endCol = col + 4 * d[0], endRow = row + 4 * d[1];
                if (endCol < 0 || endCol > 8 || endRow > 8) continue;
                CTestGame game;
                game.Play(kEmptyBoard);
                for (int k = 0; k < 5; ++k) game.At(col + k * d[0], row + k * d[1]).SetBall(6, Sad);
                EXPECT_EQ(game.m_field.RemoveLines(), 1)
                    << "from " << col << "," << row << " step " << d[0] << "," << d[1];
                EXPECT_EQ(game.Balls(), 0);
                EXPECT_EQ(game.m_scoreBar.m_score, 10u);
            }
        }
    }
}

TEST(Lines, CrossingRunsVanishTogetherWithOneCue) {
    CTestGame game;
    EXPECT_EQ(Removed(game, {"....5....", "....5....", "55555....", "....5....", "....5....",
                             ".........", "2........", ".........", "........."}),
              9);
    EXPECT_EQ(game.m_scoreBar.m_score, 18u);
    EXPECT_EQ(game.m_cues.m_ids, std::vector<unsigned>{600 + 4 * 5 + 3});
    EXPECT_EQ(game.At(0, 6).m_colour, 2);
}

TEST(Lines, APreviewOfTheSameColourBreaksTheRun) {
    CTestGame game;
    EXPECT_EQ(Removed(game, {"444d444..", "4........", "4........", "d........", "4........",
                             "4........", ".........", ".........", "........."}),
              0);
    EXPECT_EQ(game.m_field.RemoveLines(), 0);
    EXPECT_EQ(game.Count(Preview), 2);
}

TEST(Lines, BothDiagonalsFromTheTopMiddleAreFound) {
    {
        CTestGame game;
        EXPECT_EQ(Removed(game, {"....1....", ".....1...", "......1..", ".......1.", "........1",
                                 ".........", ".........", ".........", "........."}),
                  5);
    }
    {
        CTestGame game;
        EXPECT_EQ(Removed(game, {"....2....", "...2.....", "..2......", ".2.......", "2........",
                                 ".........", ".........", ".........", "........."}),
                  5);
    }
    {
        CTestGame game;
        EXPECT_EQ(Removed(game, {"....3....", "...3.3...", "..3...3..", ".3.....3.", "3.......3",
                                 ".........", ".........", ".........", "........."}),
                  9);
        EXPECT_EQ(game.m_scoreBar.m_score, 18u);
    }
}

TEST(Lines, TheCueTakesTheColourOfTheTopmostThenLeftmostRemovedBall) {
    CTestGame game;
    EXPECT_EQ(Removed(game, {".........", "........7", "........7", "........7", "11111...7",
                             "........7", ".........", ".........", "........."}),
              10);
    EXPECT_EQ(game.m_cues.m_ids, std::vector<unsigned>{600 + 4 * 7 + 3});

    CTestGame second;
    EXPECT_EQ(Removed(second, {".........", ".........", "66666....", "....22222", ".........",
                               ".........", ".........", ".........", "........."}),
              10);
    EXPECT_EQ(second.m_cues.m_ids, std::vector<unsigned>{600 + 4 * 6 + 3});
}

TEST(Lines, ABoardWithoutRunsIsLeftAlone) {
    CTestGame game;
    game.Play(kEmptyBoard);
    // Neighbours in every direction differ in colour.
    for (int col = 0; col < 9; ++col)
        for (int row = 0; row < 9; ++row)
            game.At(col, row).SetBall((3 * row + col) % 7 + 1, Normal);
    game.m_scoreBar.m_score = 6;
    const auto position = game.Position();
    EXPECT_EQ(game.m_field.RemoveLines(), 0);
    EXPECT_EQ(game.Position(), position);
    EXPECT_EQ(game.m_scoreBar.m_score, 6u);
    EXPECT_TRUE(game.m_cues.m_ids.empty());
}

TEST(Lines, AFullBoardOfOneColourEmptiesCompletely) {
    CTestGame game;
    EXPECT_EQ(Removed(game, {"444444444", "444444444", "444444444", "444444444", "444444444",
                             "444444444", "444444444", "444444444", "444444444"}),
              81);
    EXPECT_EQ(game.m_scoreBar.m_score, 162u);
    for (const CPlainCell& cell : game.m_cells) EXPECT_EQ(cell.m_state, Normal);
}

} // namespace
