// The Check button through the fake window: the refusal rules in order, short words, and scoring.
#include <gtest/gtest.h>

#include "pebblix/tests/game_fixture.h"

namespace pebblix::testing {
namespace {

using common::MessageButtons;

const std::vector<std::string> kWords{"a",       "an",      "as",     "cheat", "lane",  "let",     "letter", "listen",
                                      "paint",   "painted", "pint",   "plan",  "plane", "planes",  "play",   "player",
                                      "players", "settle",  "silent", "tea",   "teach", "teacher", "tee",    "teeth"};

class GuessCheck : public GameFixture {
protected:
    void SetUp() override { Start(kWords); }

    // Deals this word now, as a new round would.
    void Deal(const std::string& word) {
        DealNext(word);
        game.PickWord();
        window.SetWordText(game.state.CurrentWord);
        ASSERT_EQ(game.state.CurrentWord, word);
    }

    // A refusal: the wrong cue, the guess selected in txtGuess, and the round untouched.
    void ExpectRefused(const std::string& word, const std::string& guess) {
        Deal(word);
        const GameState before = game.state;
        const int restarts = window.timerRestarts;
        system.sounds.clear();
        system.messages.clear();
        window.focus = FakeGameWindow::Focus::Word;
        Guess(guess);
        EXPECT_EQ(system.SoundNames(), std::vector<std::string>{"wrong.wav"}) << word << "/" << guess;
        EXPECT_EQ(window.focus, FakeGameWindow::Focus::Guess) << word << "/" << guess;
        EXPECT_TRUE(window.guessSelected) << word << "/" << guess;
        EXPECT_EQ(game.state.Score, before.Score);
        EXPECT_EQ(game.state.WordsGuessed, before.WordsGuessed);
        EXPECT_EQ(game.state.CurrentWord, word);
        EXPECT_TRUE(window.TimerRunning());
        EXPECT_EQ(window.timerRestarts, restarts) << "a refusal must not give more time";
        EXPECT_TRUE(system.messages.empty()) << "a refusal shows no box";
    }
};

TEST_F(GuessCheck, RefusesTheWordItsInflectionsLongerWordsAndMissingLetters) {
    ExpectRefused("players", "players");
    ExpectRefused("players", "player");
    ExpectRefused("painted", "paint");
    ExpectRefused("teacher", "teach");
    ExpectRefused("planes", "plane");
    ExpectRefused("planes", "plan");
    ExpectRefused("teach", "teacher");   // longer than the word
    ExpectRefused("letter", "teeth");    // no h
    ExpectRefused("letter", "settle");   // no s
    ExpectRefused("letter", "lett");     // not in the dictionary
    ExpectRefused("painted", "pinted");  // not in the dictionary
}

TEST_F(GuessCheck, AcceptsWordsTheEndingRulesDoNotCover) {
    Deal("players");
    Guess("play");
    EXPECT_EQ(game.state.Score, 4);
    Deal("letter");
    Guess("tee");
    EXPECT_EQ(game.state.Score, 7);
    EXPECT_EQ(game.state.WordsGuessed, 2);
    // A rearrangement of every letter is as long as the word, and allowed.
    Deal("listen");
    Guess("silent");
    EXPECT_EQ(game.state.Score, 13);
}

TEST_F(GuessCheck, TrimsAndLowersTheGuessAndWritesItBack) {
    ExpectRefused("letter", "  TEETH  ");
    EXPECT_EQ(window.guessText, "teeth");

    Deal("teacher");
    Guess("  Tea  ");
    EXPECT_EQ(game.state.Score, 3);

    // Only blanks are trimmed: a tab stays and the guess is no word.
    ExpectRefused("teacher", "\ttea");
    EXPECT_EQ(window.guessText, "\ttea");
}

TEST_F(GuessCheck, EmptyGuessIsRefusedAndNotCountedAsAShortWord) {
    ExpectRefused("planes", "");
    ExpectRefused("planes", "   ");
    EXPECT_EQ(window.guessText, "");
    EXPECT_EQ(game.state.ShortWordsUsed, 0);
}

TEST_F(GuessCheck, EmptyEntryInTheDictionaryDoesNotMakeAnEmptyGuessAWord) {
    system.files[kDictionaryPath] = "\r\nplanes\r\n";
    system.answers = {common::MessageAnswer::No};
    game.Form_Load();
    ASSERT_EQ(game.state.WordCount, 2);
    system.messages.clear();
    system.sounds.clear();
    Guess("");
    EXPECT_EQ(system.SoundNames(), std::vector<std::string>{"wrong.wav"});
    EXPECT_EQ(game.state.WordsGuessed, 0);
}

TEST_F(GuessCheck, EleventhShortWordIsRefusedAndStillCounted) {
    for (int i = 1; i <= 10; ++i) {
        Deal("planes");
        Guess(i % 2 ? "an" : "a");
        ASSERT_EQ(game.state.WordsGuessed, i);
        ASSERT_EQ(game.state.ShortWordsUsed, i);
    }
    // Short guesses refused by an earlier rule are not counted.
    ExpectRefused("planes", "zz");
    EXPECT_EQ(game.state.ShortWordsUsed, 10);

    ExpectRefused("planes", "as");
    EXPECT_EQ(game.state.ShortWordsUsed, 11);
    ExpectRefused("planes", "an");
    EXPECT_EQ(game.state.ShortWordsUsed, 12);

    Deal("planes");
    Guess("lane");
    EXPECT_EQ(game.state.WordsGuessed, 11);

    // A new game gives ten short words again.
    game.NewGame();
    Deal("planes");
    Guess("as");
    EXPECT_EQ(game.state.ShortWordsUsed, 1);
    EXPECT_EQ(game.state.Score, 2);
}

TEST_F(GuessCheck, AcceptReportsThePointsWithTheTimerStoppedThenDealsAgain) {
    Deal("planes");
    game.state.Score = 8;
    window.guessText = "lane";
    bool timerStoppedDuringReport = false;
    bool rightCueBeforeReport = false;
    system.onMessage = [&](const common::testing::FakeSystem::Message&) {
        timerStoppedDuringReport = !window.TimerRunning();
        rightCueBeforeReport = system.SoundNames() == std::vector<std::string>{"right.wav"};
    };
    DealNext("teacher");
    game.cmdEnter_Click();

    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "Nice work! You earned 4 points and now have a total of  12points! Get ready for the next word!");
    EXPECT_EQ(system.messages[0].title, "Pebblix");
    EXPECT_EQ(system.messages[0].buttons, MessageButtons::Ok);
    EXPECT_TRUE(timerStoppedDuringReport);
    EXPECT_TRUE(rightCueBeforeReport);
    EXPECT_EQ(system.sounds[0].path, kProgramFolder + "\\right.wav");
    EXPECT_EQ(system.sounds[0].mode, common::SoundMode::Sync);

    EXPECT_EQ(game.state.Score, 12);
    EXPECT_EQ(game.state.WordsGuessed, 1);
    EXPECT_EQ(game.state.CurrentWord, "teacher");
    EXPECT_EQ(window.wordText, "teacher");
    EXPECT_EQ(window.guessText, "");
    EXPECT_EQ(window.focus, FakeGameWindow::Focus::Word);
    EXPECT_TRUE(window.TimerRunning());
    EXPECT_EQ(window.timerInterval, 15000);
}

TEST_F(GuessCheck, NextWordGetsTheTimeForTheScoreAfterThePoints) {
    Deal("teacher");
    game.state.Score = 96;
    Guess("cheat");
    EXPECT_EQ(game.state.Score, 101);
    EXPECT_EQ(window.timerInterval, 13000);

    Deal("teacher");
    game.state.Score = 496;
    Guess("cheat");
    EXPECT_EQ(window.timerInterval, 5000);
}

TEST_F(GuessCheck, SoundsOffPlaysNoCue) {
    game.mnuOptionsSounds_Click();
    Deal("letter");
    Guess("teeth");
    Guess("tee");
    EXPECT_TRUE(system.sounds.empty());
    EXPECT_EQ(game.state.Score, 3);
}

TEST_F(GuessCheck, ScoreOverflowEndsTheProgramWithoutSavingAnything) {
    system.files[kScorePath] = " 40 \r\n";
    Deal("planes");
    game.state.Score = 32763;
    Guess("lane");  // 32767 itself is a score the counter holds
    EXPECT_EQ(game.state.Score, 32767);
    EXPECT_FALSE(window.ended);

    Deal("planes");
    game.state.Score = 32765;
    game.state.WordsGuessed = 7;
    system.messages.clear();
    Guess("lane");
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].title, "Error");
    EXPECT_NE(system.messages[0].prompt.find("32767"), std::string::npos);
    EXPECT_TRUE(window.ended);
    EXPECT_EQ(window.unloads, 0);
    EXPECT_EQ(game.state.Score, 32765);
    EXPECT_EQ(game.state.WordsGuessed, 7);
    EXPECT_TRUE(system.writes.empty());
    EXPECT_EQ(system.files[kScorePath], " 40 \r\n");
}

}  // namespace
}  // namespace pebblix::testing
