// Turns of random games and the worst path search, through the real engine
// with plain cells.
#include <array>
#include <random>

#include <benchmark/benchmark.h>

#include "app/headless_game.h"

namespace {

struct CCountingPlayer : CCuePlayer {
    void PlaySound(unsigned id, bool) override { m_sum += id; }
    unsigned long m_sum = 0;
};

struct CBenchGame {
    explicit CBenchGame(int seed) : m_game(Parts(seed)) {}

    CGameParts Parts(int seed) {
        CGameParts parts;
        parts.cues = &m_cues;
        parts.seed = seed;
        return parts;
    }

    int Pick(std::mt19937& random, bool ball) {
        int index = static_cast<int>(random() % 81);
        for (int n = 0; n < 81 && HoldsBall(m_game.m_cells[index]) != ball; ++n)
            index = (index + 1) % 81;
        return CellCommandId(IndexCol(index), IndexRow(index));
    }

    CCountingPlayer m_cues;
    CHeadlessGame<> m_game;
};

// One turn: a click on a ball, then a click on a free cell, with all that
// follows; a full board starts the next game.
void RandomGameTurns(benchmark::State& state) {
    CBenchGame game(1);
    std::mt19937 random(7);
    long games = 0;
    for (auto _ : state) {
        if (!game.m_game.Frame().Running()) {
            game.m_game.Frame().OnCommand(ID_GAME_START);
            ++games;
        }
        game.m_game.Field().OnCommand(game.Pick(random, true));
        game.m_game.Field().OnCommand(game.Pick(random, false));
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["games"] = static_cast<double>(games);
    benchmark::DoNotOptimize(game.m_cues.m_sum);
}
BENCHMARK(RandomGameTurns)->Iterations(10000)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(RandomGameTurns)->Iterations(1000000);

// A corridor that winds inwards from the top-left corner to the centre.
constexpr const char* kSpiral[9] = {"S........", "11111111.", ".......1.", ".11111.1.", ".1...1.1.",
                                    ".1.111.1.", ".1.....1.", ".1111111.", "........."};

void SpiralPathSearch(benchmark::State& state) {
    CBenchGame game(1);
    for (int row = 0; row < 9; ++row)
        for (int col = 0; col < 9; ++col)
            game.m_game.m_cells[CellIndex(col, row)].SetBall(kSpiral[row][col] == '.' ? 0 : 2,
                                                             Normal);
    for (auto _ : state) {
        benchmark::DoNotOptimize(game.m_game.Field().MoveBall(0, 0, 4, 4));
        benchmark::DoNotOptimize(game.m_game.Field().MoveBall(4, 4, 0, 0));
    }
    if (game.m_game.m_cells[0].m_colour != 2) state.SkipWithError("the spiral was not followed");
    state.counters["search"] =
        benchmark::Counter(2.0 * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(SpiralPathSearch);

} // namespace
