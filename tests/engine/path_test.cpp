#include <queue>
#include <random>

#include "test_game.h"

namespace {

// Breadth-first reachability over free cells, as a reference.
bool Reachable(CTestGame& game, int fromCol, int fromRow, int toCol, int toRow) {
    bool seen[9][9] = {};
    std::queue<std::pair<int, int>> queue;
    queue.push({fromCol, fromRow});
    seen[fromCol][fromRow] = true;
    while (!queue.empty()) {
        auto [c, r] = queue.front();
        queue.pop();
        if (c == toCol && r == toRow) return true;
        const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto& s : steps) {
            const int nc = c + s[0], nr = r + s[1];
            if (nc < 0 || nc > 8 || nr < 0 || nr > 8 || seen[nc][nr]) continue;
            if (!IsFreeForMove(game.At(nc, nr))) continue;
            seen[nc][nr] = true;
            queue.push({nc, nr});
        }
    }
    return false;
}

TEST(Path, AWalledInBallCannotMoveAnywhere) {
    CTestGame game;
    game.Play({"3........", "1A.......", "2........", ".........", "....4....", "...454...",
               "....4....", ".........", "........."});
    for (int col = 0; col < 9; ++col)
        for (int row = 0; row < 9; ++row)
            if (IsFreeForMove(game.At(col, row))) {
                EXPECT_EQ(game.m_field.MoveBall(0, 1, col, row), 0);
                EXPECT_EQ(game.m_field.MoveBall(4, 5, col, row), 0);
            }
    EXPECT_TRUE(game.m_cues.m_ids.empty());
}

TEST(Path, DiagonalNeighboursAreNotConnected) {
    CTestGame game;
    game.Play({"12.......", "2........", ".........", ".........", ".........", ".........",
               ".........", ".........", "........."});
    // (0,0) is shut in by (1,0) and (0,1); (1,1) touches it only diagonally.
    EXPECT_EQ(game.m_field.MoveBall(0, 0, 1, 1), 0);
    EXPECT_EQ(game.At(0, 0).m_colour, 1);
}

TEST(Path, PreviewCellsArePassableAndAMoveOntoOneOverwritesIt) {
    CTestGame game;
    game.Play({"4a.......", "b2.......", ".........", ".........", ".........", ".........",
               ".........", ".........", "........."});
    game.At(0, 0).SetBall(4, Selected);
    EXPECT_EQ(game.m_field.MoveBall(0, 0, 2, 0), 1); // through the Preview at (1,0)
    EXPECT_EQ(game.At(0, 0).m_colour, 0);
    EXPECT_EQ(game.At(0, 0).m_state, Normal);
    EXPECT_EQ(game.At(2, 0).m_colour, 4);
    EXPECT_EQ(game.At(2, 0).m_state, Normal);
    EXPECT_EQ(game.m_cues.m_ids, std::vector<unsigned>{600 + 4 * 4 + 2});

    EXPECT_EQ(game.m_field.MoveBall(2, 0, 1, 0), 1); // onto the Preview itself
    EXPECT_EQ(game.At(1, 0).m_colour, 4);
    EXPECT_EQ(game.At(1, 0).m_state, Normal);
    EXPECT_EQ(game.Count(Preview), 1);
}

TEST(Path, SadBallsBlockAndAdjacentFreeCellsAreAlwaysReached) {
    CTestGame game;
    game.Play({"1B.......", "C........", ".........", ".........", ".........", ".........",
               ".........", ".........", "........."});
    EXPECT_EQ(game.m_field.MoveBall(0, 0, 5, 5), 0);
    game.At(1, 0).SetBall(0, Normal);
    EXPECT_EQ(game.m_field.MoveBall(0, 0, 1, 0), 1);
}

TEST(Path, AWalledOffTargetRefusesAndLeavesOnlyTheSnapshotChanged) {
    CTestGame game(31);
    game.Play({"1...3....", "....3....", "....3....", "....3....", "33333....", ".........",
               ".........", ".........", "........."});
    game.m_scoreBar.m_score = 8;
    const auto position = game.Position();
    EXPECT_EQ(game.m_field.MoveBall(0, 0, 8, 8), 0);
    EXPECT_EQ(game.Position(), position);
    EXPECT_TRUE(game.m_cues.m_ids.empty());
    for (int i = 0; i < 81; ++i) {
        EXPECT_EQ(game.m_field.m_undoColour[i], position[i].first);
        EXPECT_EQ(game.m_field.m_undoState[i], position[i].second);
    }
    EXPECT_EQ(game.m_field.m_undoSeed, 31);
    EXPECT_EQ(game.m_scoreBar.m_savedScore, 8u);
}

TEST(Path, ASpiralCorridorAgainstTheSweepOrderIsFollowedToTheEnd) {
    CTestGame game;
    // The way from the bottom-right corner runs up, left, down and inwards.
    game.Play({"........1", ".1111111.", ".1.....1.", ".1.111.1.", ".1.1.1.1.", ".1.1...1.",
               ".1.11111.", ".1.......", "1111111.2"});
    EXPECT_EQ(game.m_field.MoveBall(8, 8, 4, 4), 1);
    EXPECT_EQ(game.At(4, 4).m_colour, 2);
    game.At(4, 5).SetBall(1, Normal); // closes the way in
    game.At(4, 4).SetBall(0, Normal);
    game.At(8, 8).SetBall(2, Normal);
    EXPECT_EQ(game.m_field.MoveBall(8, 8, 4, 4), 0);
}

TEST(Path, AgreesWithBreadthFirstSearchOnRandomBoards) {
    std::mt19937 random(12345);
    for (int trial = 0; trial < 3000; ++trial) {
        CTestGame game;
        game.Play(kEmptyBoard);
        const int density = 20 + trial % 50;
        for (CPlainCell& cell : game.m_cells) {
            const int roll = static_cast<int>(random() % 100);
            if (roll < density)
                cell.SetBall(1 + static_cast<int>(random() % 7), Normal);
            else if (roll < density + 5)
                cell.SetBall(1 + static_cast<int>(random() % 7), Preview);
        }
        const int from = static_cast<int>(random() % 81);
        int to = static_cast<int>(random() % 81);
        game.m_cells[from].SetBall(3, Normal);
        if (to == from || !IsFreeForMove(game.m_cells[to])) continue;
        const bool expected = Reachable(game, from / 9, from % 9, to / 9, to % 9);
        EXPECT_EQ(game.m_field.MoveBall(from / 9, from % 9, to / 9, to % 9), expected ? 1 : 0)
            << "trial " << trial;
    }
}

} // namespace
