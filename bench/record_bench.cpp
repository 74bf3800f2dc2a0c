// Verifying recorded games: whole games, played by random clicks to their
// end, parsed from their text and replayed through the engine. One game per
// item, on one core.
#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/replay.h"
#include "engine/settings.h"

namespace {

// Games played to a full board by clicks that mostly select balls and move
// them to free cells, as the recorder wrote them.
std::vector<std::string> RecordedGames(int count) {
    std::mt19937 random(11);
    CHeadlessGame<> game;
    std::vector<std::string> texts;
    g_soundOn = 0;
    while (static_cast<int>(texts.size()) < count) {
        game.Field().SetSeed(static_cast<int>(random()));
        game.Frame().OnCommand(ID_GAME_START);
        while (game.Frame().Running()) {
            const bool wantBall = game.Field().SelCol() == -1 || random() % 4 == 0;
            int index = static_cast<int>(random() % kBoardCells);
            for (int tries = 0; tries < kBoardCells; ++tries, index = (index + 1) % kBoardCells)
                if (HoldsBall(*game.Field().Cell(IndexCol(index), IndexRow(index))) == wantBall)
                    break;
            game.Field().OnCommand(CellCommandId(IndexCol(index), IndexRow(index)));
        }
        texts.push_back(RecordText(game.Recorder().LastRecord()));
    }
    return texts;
}

void VerifyRecordedGames(benchmark::State& state) {
    const std::vector<std::string> texts = RecordedGames(200);
    std::size_t actions = 0;
    CReplayGame host;
    std::size_t next = 0;
    for (auto _ : state) {
        CGameRecord record;
        std::string error;
        const std::string& text = texts[next++ % texts.size()];
        if (!ParseRecord(text, record, error) || !VerifyRecord(host, record).reproduces) {
            state.SkipWithError("a recorded game does not verify");
            break;
        }
        actions += record.actions.size();
    }
    state.SetItemsProcessed(state.iterations());
    state.counters["actions/game"] =
        benchmark::Counter(static_cast<double>(actions) / std::max<double>(1, state.iterations()));
}
BENCHMARK(VerifyRecordedGames);

} // namespace
