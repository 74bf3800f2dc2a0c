#include "test_game.h"

TEST(Lines, RunsOfFiveOrMoreVanishScoreTwoEachAndCueTheTopmostThenLeftmostColour) {
    struct {
        const char* board;
        int removed, cueColour; // 0: no cue
    } cases[] = {
        {"1111////2222.2222", 0, 0},
        {"////////777777777", 9, 7},
        {"....5/....5/55555/....5/....5//2", 9, 5}, // crossing runs go together
        {"444d444/4/4/d/4/4", 0, 0},                // a Preview of the same colour breaks a run
        {"....3/...3.3/..3...3/.3.....3/3.......3", 9, 3},
        {"/........7/........7/........7/11111...7/........7", 10, 7},
        {"........2/33333..2/......2/.....2/....2", 10, 2}, // one cue, for the first cell only
        {"444444444/444444444/444444444/444444444/444444444/444444444/444444444/444444444/"
         "444444444",
         81, 4},
    };
    for (const auto& c : cases) {
        CTestGame game;
        game.Play(c.board);
        const int before = game.Balls();
        EXPECT_EQ(game.m_field.RemoveLines(), c.removed ? 1 : 0) << c.board;
        EXPECT_EQ(std::tuple(before - game.Balls(), game.m_scoreBar.Score(), game.m_cues.m_ids),
                  std::tuple(c.removed, 2u * c.removed,
                             c.cueColour ? Cues{ColourCue(c.cueColour, 3)} : Cues{}))
            << c.board;
    }
}

TEST(Lines, EveryRunOfFiveIsFoundWhereverItLiesAndABoardWithoutRunsIsLeftAlone) {
    for (auto [dc, dr] : {std::pair{1, 0}, {0, 1}, {1, 1}, {-1, 1}}) {
        for (int col = 0; col < 9; ++col) {
            for (int row = 0; row + 4 * dr < 9 && col + 4 * dc >= 0 && col + 4 * dc < 9; ++row) {
                CTestGame game;
                game.Play();
                for (int k = 0; k < 5; ++k) game.At(col + k * dc, row + k * dr).SetBall(6, Sad);
                EXPECT_EQ(game.m_field.RemoveLines(), 1) << col << "," << row << " " << dc << dr;
                EXPECT_EQ(game.Balls(), 0);
            }
        }
    }
    CTestGame game;
    game.Play();
    for (int i = 0; i < kBoardCells; ++i) // neighbours differ in every direction
        game.m_cells[i].SetBall((3 * IndexRow(i) + IndexCol(i)) % 7 + 1, Normal);
    const auto position = game.Position();
    EXPECT_EQ(game.m_field.RemoveLines(), 0);
    EXPECT_EQ(std::tuple(game.Position(), game.m_cues.m_ids), std::tuple(position, Cues{}));
}
