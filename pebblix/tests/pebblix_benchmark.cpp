// Loading a full dictionary against merely reading its bytes, and the cost of one guess check.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <random>
#include <set>
#include <string>

#include "common/text_file.h"
#include "pebblix/logic/dictionary.h"
#include "pebblix/tests/game_fixture.h"

namespace {

// 110000 distinct lower-case words of 3 to 12 letters, in ascending order, one a line.
const std::string& FullDictionaryText() {
    static const std::string text = [] {
        std::mt19937 generator(20260101);
        std::uniform_int_distribution<int> length(3, 12);
        std::uniform_int_distribution<int> letter('a', 'z');
        std::set<std::string> words;
        while (words.size() < static_cast<std::size_t>(pebblix::kDictionaryCapacity)) {
            std::string word(static_cast<std::size_t>(length(generator)), ' ');
            for (char& c : word) {
                c = static_cast<char>(letter(generator));
            }
            words.insert(word);
        }
        std::string joined;
        for (const std::string& word : words) {
            joined += word + "\r\n";
        }
        return joined;
    }();
    return text;
}

const std::string& FullDictionaryPath() {
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "pebblix_benchmark_mswnby32.dll";
        common::ReplaceWholeFile(file.string(), FullDictionaryText());
        return file.string();
    }();
    return path;
}

void ReadBytesAndCountLines(benchmark::State& state) {
    const std::string& path = FullDictionaryPath();
    for (auto _ : state) {
        const auto bytes = common::ReadWholeFile(path);
        benchmark::DoNotOptimize(std::count(bytes->begin(), bytes->end(), '\n'));
    }
}
BENCHMARK(ReadBytesAndCountLines)->Unit(benchmark::kMillisecond);

void LoadFullDictionary(benchmark::State& state) {
    const std::string& path = FullDictionaryPath();
    pebblix::WordTable AllWords;
    std::int32_t WordCount = 0;
    for (auto _ : state) {
        auto bytes = common::ReadWholeFile(path);
        pebblix::LoadDictionary(std::move(*bytes), AllWords, WordCount);
        benchmark::DoNotOptimize(WordCount);
    }
}
BENCHMARK(LoadFullDictionary)->Unit(benchmark::kMillisecond);

// A guess that passes every rule up to the last letter test, so the search runs in full.
void CheckOneGuess(benchmark::State& state) {
    common::testing::FakeSystem system;
    pebblix::testing::FakeGameWindow window;
    common::testing::ScriptedRandom random{common::testing::ScriptedRandom::AfterScript::Walk};
    pebblix::Game game{window, system, random};
    pebblix::LoadDictionary(FullDictionaryText(), game.state.AllWords, game.state.WordCount);
    game.state.SoundsOn = false;
    const std::string guess(game.state.AllWords[game.state.WordCount / 3]);
    game.state.CurrentWord = std::string(guess.size() + 1, '#');
    for (auto _ : state) {
        window.guessText = guess;
        game.cmdEnter_Click();
    }
    state.counters["guess letters"] = static_cast<double>(guess.size());
}
BENCHMARK(CheckOneGuess)->Unit(benchmark::kMicrosecond);

}  // namespace
