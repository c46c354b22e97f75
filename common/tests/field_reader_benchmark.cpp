// How fast a word list of many thousand lines is split into fields.
#include <benchmark/benchmark.h>

#include <string>

#include "common/field_reader.h"

namespace {

void BM_ReadAllFieldsOfAWordList(benchmark::State& state) {
    std::string text;
    for (int i = 0; i < state.range(0); ++i) {
        text += "word" + std::to_string(i % 1000) + "\r\n";
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(common::ReadAllFields(text));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadAllFieldsOfAWordList)->Arg(5000)->Arg(110000);

}  // namespace
