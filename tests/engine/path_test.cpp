#include <random>

#include "test_game.h"
#include "test_seed.h"

namespace {

// Breadth-first reachability over free cells, as a reference.
bool Reachable(CTestGame& game, int from, int to) {
    std::vector<int> queue{from};
    bool seen[81] = {};
    for (size_t next = 0; next < queue.size(); ++next) {
        const int col = IndexCol(queue[next]), row = IndexRow(queue[next]);
        for (auto [c, r] :
             {std::pair{col + 1, row}, {col - 1, row}, {col, row + 1}, {col, row - 1}})
            if (c >= 0 && c <= 8 && r >= 0 && r <= 8 && !seen[CellIndex(c, r)] &&
                IsFreeForMove(game.At(c, r)))
                seen[CellIndex(c, r)] = true, queue.push_back(CellIndex(c, r));
    }
    return seen[to];
}

TEST(Path, AgreesWithBreadthFirstSearchOnRandomBoards) {
    std::mt19937 random(TestSeed(12345));
    for (int trial = 0; trial < 3000; ++trial) {
        CTestGame game;
        game.Play();
        const unsigned density = 20 + trial % 50;
        for (CTestCell& cell : game.m_cells) {
            const unsigned roll = random() % 100, colour = 1 + random() % 7;
            if (roll < density + 5)
                cell.SetBall(colour, roll >= density ? Preview : roll % 4 ? Normal : Sad);
        }
        const int from = static_cast<int>(random() % 81), to = static_cast<int>(random() % 81);
        game.m_cells[from].SetBall(3, Normal);
        if (to == from || !IsFreeForMove(game.m_cells[to])) continue;
        EXPECT_EQ(game.m_field.MoveBall(IndexCol(from), IndexRow(from), IndexCol(to), IndexRow(to)),
                  Reachable(game, from, to) ? 1 : 0)
            << "trial " << trial;
    }
}

} // namespace
