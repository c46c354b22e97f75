// The anagram engine's range selection and deals: which words are kept, drawn, shuffled and shown.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "common/testing/fake_system.h"
#include "common/testing/scripted_random.h"
#include "scrambolo/engine/puzzle_engine.h"
#include "scrambolo/tests/fake_game_window.h"

namespace scrambolo {
namespace {

using Words = std::vector<std::string_view>;

std::string Sorted(std::string text) {
    std::sort(text.begin(), text.end());
    return text;
}

// An engine on a fake window whose clock moves a little before every reseed, as a real one would.
class EngineTest : public ::testing::Test {
protected:
    EngineTest() {
        window.onFocus = [this](int index) { focusEvents.push_back(index); };
    }

    // Deals from a fresh source each time, so the draws differ as the clock moves on.
    DealResult Deal() {
        system.Advance(0.013);
        return engine.DealWord();
    }

    common::testing::FakeSystem system;
    testing::FakeGameWindow window;
    common::FoldingRandomSource random;
    GameState state;
    PuzzleEngine engine{state, window, random, system};
    std::vector<int> focusEvents;
};

TEST_F(EngineTest, ApplyLetterRangeKeepsTheWordsOfTheRangeInFileOrder) {
    state.AllWords = {"ant", "bear", "camel", "ox", "deer"};
    state.LetterRange = kRange34;
    EXPECT_EQ(engine.ApplyLetterRange(), DealResult::Dealt);
    EXPECT_EQ(state.PlayWords, (Words{"ant", "bear", "deer"}));

    state.LetterRange = kRange45;
    engine.ApplyLetterRange();
    EXPECT_EQ(state.PlayWords, (Words{"bear", "camel", "deer"}));

    state.LetterRange = kAllRanges;
    engine.ApplyLetterRange();
    EXPECT_EQ(state.PlayWords, Words(state.AllWords.begin(), state.AllWords.end()));

    state.AllWords = {"abcdef", "abcde", "ab", "abcdefg"};
    state.LetterRange = kRange56;
    engine.ApplyLetterRange();
    EXPECT_EQ(state.PlayWords, (Words{"abcdef", "abcde"}));
    state.LetterRange = kRange6;
    engine.ApplyLetterRange();
    EXPECT_EQ(state.PlayWords, (Words{"abcdef"}));
}

TEST_F(EngineTest, ARangeWithNothingToDealIsReportedAndLeavesTheButtonsAlone) {
    state.AllWords = {"cat", "bird", "horse"};
    state.CurrentWordIndex = 7;
    for (std::int32_t range : {kRange6, 7, 0}) {
        state.LetterRange = range;
        EXPECT_EQ(engine.ApplyLetterRange(), DealResult::NoDealableWord) << range;
        EXPECT_EQ(state.PlayWords, Words{""}) << range;
    }
    EXPECT_EQ(state.CurrentWordIndex, 7);
    EXPECT_EQ(window.Row(), "Command1Command1Command1Command1Command1Command1");
    EXPECT_EQ(window.focused, 0);

    // Only words that can never be dealt: reported at once, not looped on.
    state.AllWords = {"aaa", "zzzzzz", "ox", "toolong", "", "a b"};
    state.LetterRange = kAllRanges;
    EXPECT_EQ(engine.ApplyLetterRange(), DealResult::NoDealableWord);
    state.AllWords = {};
    EXPECT_EQ(engine.ApplyLetterRange(), DealResult::NoDealableWord);
}

TEST_F(EngineTest, OutOfLengthAndRepeatedLetterWordsAreNeverDealt) {
    state.PlayWords = {"aaa", "ox", "", "toolong", "cat", "eeee", "abcdefgh"};
    std::set<int> dealt;
    for (int i = 0; i < 300; ++i) {
        ASSERT_EQ(Deal(), DealResult::Dealt);
        dealt.insert(state.CurrentWordIndex);
    }
    EXPECT_EQ(dealt, std::set<int>{4});
}

TEST_F(EngineTest, TheFallbackDealsEveryWordOfThreeToSixLetters) {
    state.AllWords = {"ox", "cat", "camels", "toolong", "bird"};
    state.LetterRange = kRange6 + 1;
    EXPECT_EQ(engine.ApplyFallbackRange(), DealResult::Dealt);
    EXPECT_EQ(state.PlayWords, (Words{"cat", "camels", "bird"}));
    EXPECT_EQ(state.LetterRange, 7);
}

TEST_F(EngineTest, ShuffledLettersNeverSpellTheWordAndKeepEveryLetter) {
    state.PlayWords = {"cat"};
    std::set<std::string> rows;
    for (int i = 0; i < 600; ++i) {
        ASSERT_EQ(Deal(), DealResult::Dealt);
        ASSERT_NE(window.Row(), "cat");
        ASSERT_EQ(Sorted(window.Row()), "act");
        rows.insert(window.Row());
    }
    EXPECT_EQ(rows, (std::set<std::string>{"act", "atc", "cta", "tac", "tca"}));

    state.PlayWords = {"eel"};
    rows.clear();
    for (int i = 0; i < 300; ++i) {
        Deal();
        ASSERT_EQ(state.ScrambledLetters.size(), 3u);
        rows.insert(window.Row());
    }
    EXPECT_EQ(rows, (std::set<std::string>{"ele", "lee"}));
}

TEST_F(EngineTest, EveryWordIsDrawnInTheLongRunAndASingleWordAlways) {
    state.PlayWords = {"cat", "dog", "emu", "fox", "gnu"};
    std::set<int> dealt;
    for (int i = 0; i < 500; ++i) {
        Deal();
        dealt.insert(state.CurrentWordIndex);
    }
    EXPECT_EQ(dealt, (std::set<int>{0, 1, 2, 3, 4}));

    state.PlayWords = {"planet"};
    for (int i = 0; i < 50; ++i) {
        Deal();
        ASSERT_EQ(state.CurrentWordIndex, 0);
    }
}

TEST_F(EngineTest, ADealShowsTheButtonsTheWordNeedsAndFocusesTheFirst) {
    state.PlayWords = {"cat"};
    Deal();
    EXPECT_EQ(window.ShownLetterButtons(), 3);
    EXPECT_FALSE(window.shown[4] || window.shown[5] || window.shown[6]);
    EXPECT_EQ(window.focused, 1);
    EXPECT_EQ(focusEvents, std::vector<int>{1});

    state.PlayWords = {"horse"};
    Deal();
    EXPECT_TRUE(window.shown[4] && window.shown[5]);
    EXPECT_FALSE(window.shown[6]);
    EXPECT_EQ(Sorted(window.Row()), "ehors");
    // The focus was already on button 1: no second focus event.
    EXPECT_EQ(focusEvents, std::vector<int>{1});

    window.FocusButton(3);
    state.PlayWords = {"planet"};
    Deal();
    EXPECT_EQ(window.ShownLetterButtons(), 6);
    EXPECT_EQ(Sorted(window.Row()), "aelnpt");
    EXPECT_EQ(focusEvents, (std::vector<int>{1, 3, 1}));
    EXPECT_EQ(window.captions[0], "Command1");  // the swap buffer is never dealt onto
}

TEST(EngineShuffle, ReseedsBeforeEveryDrawAndRedrawsATakenSlot) {
    common::testing::FakeSystem system;
    testing::FakeGameWindow window;
    common::testing::ScriptedRandom random;
    GameState state;
    PuzzleEngine engine(state, window, random, system);

    random.draws = {0.0, 0.0, 0.5, 0.9};
    engine.ShuffleLetters({"a", "b", "c"});
    EXPECT_EQ(state.ScrambledLetters, (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(random.drawCount, 4);
    EXPECT_EQ(random.reseeds.size(), 4u);

    random.draws = {0.9, 0.4, 0.1};
    engine.ShuffleLetters({"a", "b", "c"});
    EXPECT_EQ(state.ScrambledLetters, (std::vector<std::string>{"c", "b", "a"}));
}

TEST(EngineShuffle, AStuckRandomSourceNeitherHangsNorDealsTheWordSpelledOut) {
    common::testing::FakeSystem system;
    testing::FakeGameWindow window;
    common::testing::ScriptedRandom random;  // always draws 0
    GameState state;
    PuzzleEngine engine(state, window, random, system);
    for (const char* word : {"cat", "eel", "planet", "aab"}) {
        state.PlayWords = {word};
        ASSERT_EQ(engine.DealWord(), DealResult::Dealt);
        EXPECT_NE(window.Row(), word);
        EXPECT_EQ(Sorted(window.Row()), Sorted(word));
    }
}

}  // namespace
}  // namespace scrambolo
