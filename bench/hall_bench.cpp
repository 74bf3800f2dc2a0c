// A game end's save: the twenty results merged into the table as it stands in
// the profile file and written back, flushed and renamed, in a folder of the
// config directory's file system when there is one.
#include <cstdlib>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "platform/profile.h"
#include "score/hiscore_list.h"

namespace {

void BM_GameEndSave(benchmark::State& state) {
    const char* home = std::getenv("HOME");
    std::string pattern = std::string(home && home[0] ? home : "/tmp") + "/.marbix-bench-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        state.SkipWithError("no folder for the profile");
        return;
    }
    CHiscoreList list(CProfile(pattern + "/marbix.INI"));
    for (unsigned i = 0; i < CHiscoreList::kStored; ++i)
        list.SaveResult("Player" + std::to_string(i), 100 + i);
    unsigned score = 1000;
    // Each result goes to the top, so every save changes the file.
    for (auto _ : state) benchmark::DoNotOptimize(list.SaveResult("Bench", ++score));
    std::filesystem::remove_all(pattern);
}
BENCHMARK(BM_GameEndSave)->Unit(benchmark::kMillisecond);

} // namespace
