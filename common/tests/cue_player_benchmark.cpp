// How long a waited-for cue holds the game beside the cue's own length, on the environment's sound server.
//   common_qt_benchmarks WAVE...   (tools/benchmark.sh runs it against a sound server of its own)
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <thread>

#include "common/qt/cue_player.h"
#include "common/qt/wave_file.h"
#include "common/text_file.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    common::qt::CuePlayer player("benchmark");
    // Time for the connection to the server to be made; a cue asked for before is silence.
    std::this_thread::sleep_for(std::chrono::seconds(1));
    for (int index = 1; index < argc; ++index) {
        const std::string path = argv[index];
        const auto bytes = common::ReadWholeFile(path);
        const auto sound = bytes ? common::qt::ReadWave(*bytes) : std::nullopt;
        const double length = sound ? sound->Milliseconds() : 0;
        benchmark::RegisterBenchmark(("PlayToEnd/" + path.substr(path.find_last_of('/') + 1)).c_str(),
                                     [&player, path, length](benchmark::State& state) {
                                         for (auto _ : state) {
                                             player.PlayToEnd(path);
                                         }
                                         state.counters["cue_ms"] = length;
                                     })
            ->Unit(benchmark::kMillisecond)
            ->Iterations(5)
            ->UseRealTime();
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
