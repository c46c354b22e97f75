// How long a deal (draw and shuffle of a six-letter word) and loading the shipped or a damaged word list take.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>

#include "common/testing/fake_system.h"
#include "common/text_file.h"
#include "scrambolo/engine/puzzle_engine.h"
#include "scrambolo/tests/fake_game_window.h"

namespace scrambolo {
namespace {

void BM_DealSixLetterWord(benchmark::State& run) {
    common::testing::FakeSystem system;
    testing::FakeGameWindow window;
    common::FoldingRandomSource random;
    GameState state;
    PuzzleEngine engine(state, window, random, system);
    state.PlayWords = {"planet"};
    for (auto _ : run) {
        system.Advance(0.001);
        benchmark::DoNotOptimize(engine.DealWord());
    }
}
BENCHMARK(BM_DealSixLetterWord);

void BM_DealFromTheShippedList(benchmark::State& run) {
    common::testing::FakeSystem system;
    testing::FakeGameWindow window;
    common::FoldingRandomSource random;
    GameState state;
    PuzzleEngine engine(state, window, random, system);
    common::ReadWordList(common::ReadWholeFile(SCRAMBOLO_WORD_LIST).value_or(""), kWordListCapacity, state.AllWords);
    state.LetterRange = kAllRanges;
    engine.ApplyLetterRange();
    for (auto _ : run) {
        system.Advance(0.001);
        benchmark::DoNotOptimize(engine.DealWord());
    }
}
BENCHMARK(BM_DealFromTheShippedList);

// An engine on fakes whose word list, in the system directory, holds the given text.
struct EngineWithList {
    explicit EngineWithList(std::string text) {
        state.WordListPath = "C:\\WINDOWS\\SYSTEM\\jmsit32.dll";
        state.LetterRange = kAllRanges;
        system.files[state.WordListPath] = std::move(text);
    }

    common::testing::FakeSystem system;
    testing::FakeGameWindow window;
    common::FoldingRandomSource random;
    GameState state;
    PuzzleEngine engine{state, window, random, system};
};

void BM_LoadShippedWordList(benchmark::State& run) {
    EngineWithList fakes(common::ReadWholeFile(SCRAMBOLO_WORD_LIST).value_or(""));
    for (auto _ : run) {
        benchmark::DoNotOptimize(fakes.engine.LoadWordList());
    }
    run.counters["words"] = static_cast<double>(fakes.state.AllWords.size());
}
BENCHMARK(BM_LoadShippedWordList);

// A damaged list: the given number of megabytes of one byte over and over (commas, lone CRs or NULs).
// Run alone under /usr/bin/time -v for the memory it takes; BM_ReadDamagedWordList gives the part
// of that which is the file's own bytes, held by the fake and read from it.
void LoadOrOnlyRead(benchmark::State& run, bool load) {
    EngineWithList fakes(std::string(static_cast<std::size_t>(run.range(0)) << 20, static_cast<char>(run.range(1))));
    for (auto _ : run) {
        if (load) {
            benchmark::DoNotOptimize(fakes.engine.LoadWordList());
        } else {
            benchmark::DoNotOptimize(fakes.system.ReadFile(fakes.state.WordListPath));
        }
    }
}

void BM_LoadDamagedWordList(benchmark::State& run) { LoadOrOnlyRead(run, true); }
void BM_ReadDamagedWordList(benchmark::State& run) { LoadOrOnlyRead(run, false); }
BENCHMARK(BM_LoadDamagedWordList)
    ->ArgsProduct({{10, 50}, {',', '\r', '\0'}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK(BM_ReadDamagedWordList)->Args({50, ','})->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace scrambolo
