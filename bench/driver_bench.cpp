// The headless driver replaying a long script, parsing included.
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "engine/identifiers.h"
#include "script.h"
#include "session.h"

namespace {

std::vector<std::string> MakeScript(std::size_t lines) {
    std::mt19937 random(3);
    std::vector<std::string> script{"seed 12345", "start"};
    while (script.size() < lines) {
        const unsigned roll = random() % 100;
        if (roll < 80)
            script.push_back("click " + std::to_string(kFirstCellId + random() % kBoardCells));
        else if (roll < 88)
            script.push_back("tick " + std::to_string(1 + random() % 5));
        else if (roll < 92)
            script.push_back("skip");
        else if (roll < 95)
            script.push_back("undo");
        else if (roll < 98)
            script.push_back("start");
        else
            script.push_back("show");
    }
    return script;
}

void DriverReplay(benchmark::State& state) {
    const auto script = MakeScript(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        std::ostringstream out;
        CHeadlessSession session(out);
        CScriptCommand command;
        std::string error;
        for (const std::string& line : script) {
            if (!ParseScriptLine(line, command, error)) {
                state.SkipWithError(error.c_str());
                return;
            }
            session.Execute(command);
        }
        benchmark::DoNotOptimize(out.str().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(DriverReplay)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
