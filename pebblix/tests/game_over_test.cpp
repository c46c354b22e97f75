// The round timer firing: the cue, the saved best score, the report, and Yes or No.
#include <gtest/gtest.h>

#include "pebblix/tests/game_fixture.h"

namespace pebblix::testing {
namespace {

using common::MessageAnswer;
using common::MessageButtons;

class GameOver : public GameFixture {
protected:
    void SetUp() override { Start({"eagle", "teacher", "tea"}); }

    // Ends a game with this score over this many words, answering the question as given.
    void TimeRunsOut(std::int16_t score, std::int16_t words, MessageAnswer answer = MessageAnswer::Yes) {
        game.state.Score = score;
        game.state.WordsGuessed = words;
        system.answers = {answer};
        game.tmrWord_Timer();
    }

    const std::string& Report() const { return system.messages.back().prompt; }
};

TEST_F(GameOver, StopsTheTimerPlaysTheCueAndAsksToPlayAgain) {
    bool timerStoppedDuringReport = false;
    system.onMessage = [&](const common::testing::FakeSystem::Message&) {
        timerStoppedDuringReport = !window.TimerRunning();
    };
    TimeRunsOut(0, 0);
    EXPECT_TRUE(timerStoppedDuringReport);
    EXPECT_EQ(system.SoundNames(), std::vector<std::string>{"gameover.wav"});
    EXPECT_EQ(system.sounds[0].mode, common::SoundMode::Sync);
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].title, "Pebblix");
    EXPECT_EQ(system.messages[0].buttons, MessageButtons::YesNo);
    // Letters typed for the guess as the time runs out must not answer it.
    EXPECT_EQ(system.messages[0].typeAhead, common::TypeAhead::Dropped);
    EXPECT_EQ(Report(),
              "Times up! Sorry, you lose! Your final score was  0. It took you 0 words, so your average score "
              "per word is 0. You did not beat your high score of 0. Play again?");
    // No score file for a score of 0.
    EXPECT_TRUE(system.writes.empty());
    EXPECT_FALSE(system.FileExists(kScorePath));
}

TEST_F(GameOver, FirstPositiveScoreCreatesTheScoreFile) {
    TimeRunsOut(12, 3);
    EXPECT_EQ(system.files[kScorePath], " 12 \r\n");
    EXPECT_NE(Report().find("final score was  12. It took you 3 words, so your average score per word is 4. "
                            "You beat your old high score, which was 0! Play again?"),
              std::string::npos);
}

TEST_F(GameOver, ScoreFileIsLeftAloneOnATieAndRewrittenWhenBeaten) {
    system.files[kScorePath] = "40\r\n";
    TimeRunsOut(40, 5);
    EXPECT_TRUE(system.writes.empty());
    EXPECT_EQ(system.files[kScorePath], "40\r\n");
    EXPECT_NE(Report().find("You did not beat your high score of 40. Play again?"), std::string::npos);

    TimeRunsOut(39, 5);
    EXPECT_TRUE(system.writes.empty());

    TimeRunsOut(41, 5);
    EXPECT_EQ(system.files[kScorePath], " 41 \r\n");
    EXPECT_NE(Report().find("You beat your old high score, which was 40! Play again?"), std::string::npos);
}

TEST_F(GameOver, UnreadableOrOutOfRangeScoreFileCountsAsZero) {
    for (const char* content : {"garbage\r\n", " 70000 \r\n", ""}) {
        system.files[kScorePath] = content;
        TimeRunsOut(5, 1);
        EXPECT_EQ(system.files[kScorePath], " 5 \r\n") << content;
        EXPECT_NE(Report().find("which was 0!"), std::string::npos) << content;
    }
}

TEST_F(GameOver, HiddenScoreFileIsNotReadAndNeverOverwritten) {
    system.files[kScorePath] = " 99 \r\n";
    system.hiddenFiles.insert(kScorePath);
    TimeRunsOut(3, 1);
    EXPECT_NE(Report().find("which was 0!"), std::string::npos);
    EXPECT_EQ(system.files[kScorePath], " 99 \r\n");
    EXPECT_EQ(system.messages.front().prompt,
              "Pebblix could not save your new high score in C:\\Games\\Pebblix\\pebblixscor.dat. "
              "The high score saved before is left as it was.");
}

TEST_F(GameOver, ScoreFileThatCannotBeReadCountsAsZeroAndIsNeverWrittenOver) {
    system.files[kScorePath] = " 99 \r\n";
    system.unreadable.insert(kScorePath);
    TimeRunsOut(3, 1);
    ASSERT_EQ(system.messages.size(), 2u);
    EXPECT_EQ(system.messages[0].prompt,
              "Pebblix did not save your new high score: the file C:\\Games\\Pebblix\\pebblixscor.dat could not "
              "be read, so it was left as it was.");
    EXPECT_NE(Report().find("You beat your old high score, which was 0!"), std::string::npos);
    EXPECT_TRUE(system.writes.empty());

    // Once it reads again, its best counts and a better score replaces it.
    system.unreadable.clear();
    TimeRunsOut(100, 4);
    EXPECT_NE(Report().find("which was 99!"), std::string::npos);
    EXPECT_EQ(system.files[kScorePath], " 100 \r\n");
}

TEST_F(GameOver, UnwritableScoreFileIsReportedAndPlayGoesOn) {
    system.files[kScorePath] = " 10 \r\n";
    system.unwritable.insert(kScorePath);
    TimeRunsOut(20, 4);
    ASSERT_EQ(system.messages.size(), 2u);
    EXPECT_EQ(system.messages[0].prompt,
              "Pebblix could not save your new high score in C:\\Games\\Pebblix\\pebblixscor.dat. "
              "The high score saved before is left as it was.");
    EXPECT_EQ(system.messages[0].typeAhead, common::TypeAhead::Dropped);
    EXPECT_EQ(system.files[kScorePath], " 10 \r\n");
    EXPECT_NE(Report().find("You beat your old high score, which was 10!"), std::string::npos);
    EXPECT_FALSE(window.ended);
    EXPECT_EQ(game.state.Score, 0);  // Yes: a new game
}

TEST_F(GameOver, YesStartsANewGameWithTheFocusOnTheWord) {
    window.focus = FakeGameWindow::Focus::Guess;
    window.guessText = "tea";
    game.state.ShortWordsUsed = 4;
    TimeRunsOut(30, 6, MessageAnswer::Yes);
    EXPECT_EQ(game.state.Score, 0);
    EXPECT_EQ(game.state.WordsGuessed, 0);
    EXPECT_EQ(game.state.ShortWordsUsed, 0);
    EXPECT_EQ(window.focus, FakeGameWindow::Focus::Word);
    EXPECT_EQ(window.guessText, "");
    EXPECT_EQ(window.wordText, game.state.CurrentWord);
    EXPECT_TRUE(window.TimerRunning());
    EXPECT_EQ(window.timerInterval, 15000);
    EXPECT_EQ(window.unloads, 0);
    EXPECT_EQ(system.files[kScorePath], " 30 \r\n");
}

TEST_F(GameOver, NoUnloadsTheWindowWhichSavesTheOptions) {
    game.mnuOptionsSounds_Click();
    TimeRunsOut(30, 6, MessageAnswer::No);
    EXPECT_EQ(window.unloads, 1);
    EXPECT_EQ(system.files[kOptionsPath], "#FALSE#\r\n");
    // The best score was saved before the question.
    EXPECT_EQ(system.writes, (std::vector<std::string>{kScorePath, kOptionsPath}));
}

}  // namespace
}  // namespace pebblix::testing
