// Verifying recorded games: whole games, played by random clicks to their
// end, parsed from their text and replayed through the engine. One game per
// item, on one core.
#include <algorithm>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <benchmark/benchmark.h>

#include "app/headless_game.h"
#include "app/replay.h"
#include "engine/settings.h"

namespace {

// The free cells a ball at index can reach, by a breadth-first search.
std::vector<int> Reachable(const CGame& game, int from) {
    std::vector<bool> seen(kBoardCells, false);
    std::vector<int> queue{from}, found;
    seen[from] = true;
    for (std::size_t next = 0; next < queue.size(); ++next) {
        const int col = IndexCol(queue[next]), row = IndexRow(queue[next]);
        for (const auto& [dc, dr] : {std::pair(-1, 0), {1, 0}, {0, -1}, {0, 1}}) {
            const int c = col + dc, r = row + dr;
            if (c < 0 || c >= kSide || r < 0 || r >= kSide || seen[CellIndex(c, r)]) continue;
            seen[CellIndex(c, r)] = true;
            if (!IsFreeForMove(*game.Field().Cell(c, r))) continue;
            queue.push_back(CellIndex(c, r));
            found.push_back(CellIndex(c, r));
        }
    }
    return found;
}

void Click(CGame& game, int index) {
    game.Field().OnCommand(CellCommandId(IndexCol(index), IndexRow(index)));
}

// Games played to a full board as a player plays them: a ball that can move
// is selected and sent to a free cell it reaches, as the recorder wrote them.
std::vector<std::string> RecordedGames(int count) {
    std::mt19937 random(11);
    CHeadlessGame<> game;
    std::vector<std::string> texts;
    g_soundOn = 0;
    while (static_cast<int>(texts.size()) < count) {
        game.Field().SetSeed(static_cast<int>(random()));
        game.Frame().OnCommand(ID_GAME_START);
        while (game.Frame().Running()) {
            const int ball = static_cast<int>(random() % kBoardCells);
            if (!HoldsBall(*game.Field().Cell(IndexCol(ball), IndexRow(ball)))) continue;
            const std::vector<int> targets = Reachable(game, ball);
            if (targets.empty()) continue;
            Click(game, ball);
            Click(game, targets[random() % targets.size()]);
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
