// The word clock, its display, and the end of a game with its four answers and the saved high score.
#include <gtest/gtest.h>

#include <stdexcept>

#include "scrambolo/tests/game_fixture.h"

namespace scrambolo {
namespace {

using testing::kDiffPath;
using testing::kHighScorePath;

TEST(ClockText, MinutesAndSecondsWithTwoDigitsEach) {
    EXPECT_EQ(FormatClock(120), "02:00");
    EXPECT_EQ(FormatClock(119), "01:59");
    EXPECT_EQ(FormatClock(61), "01:01");
    EXPECT_EQ(FormatClock(0), "00:00");
    EXPECT_EQ(FormatClock(3725), "62:05");
}

class ClockTest : public testing::GameTest {
protected:
    void SetUp() override { Start("planet\r\n"); }

    // Plays to the end of the word's time with the given score and high score.
    void RunOutOfTime(std::int32_t wordsGuessed, std::int32_t highScore) {
        State().WordsGuessed = wordsGuessed;
        State().HighScore = highScore;
        Tick(121);
    }
};

TEST_F(ClockTest, TheLabelAndCaptionCountDownFromTwoMinutes) {
    EXPECT_EQ(window.clockTexts, (std::vector<std::string>{"", "02:00"}));
    EXPECT_EQ(window.windowCaption, "Scrambolo!");
    EXPECT_TRUE(window.timerOn);
    Tick(0.25);
    EXPECT_EQ(window.windowCaption, "02:00 - Scrambolo!");
    Tick(1);
    EXPECT_EQ(window.clockText, "01:59");
    EXPECT_EQ(window.windowCaption, "01:59 - Scrambolo!");
    Tick(119);
    EXPECT_EQ(State().ElapsedSeconds, 120);
    EXPECT_EQ(window.clockText, "00:00");
    EXPECT_TRUE(system.messages.empty());
    EXPECT_TRUE(window.timerOn);
}

TEST_F(ClockTest, TicksWriteTheLabelAndCaptionOnlyWhenTheirTextChanges) {
    // Each write is repainted and spoken as a new name: four ticks a second make one of each.
    Tick(0.25);
    ASSERT_EQ(window.windowCaption, "02:00 - Scrambolo!");
    EXPECT_EQ(window.clockTexts, (std::vector<std::string>{"", "02:00"}));
    EXPECT_EQ(window.captionWrites, 1);
    Tick(0.25);
    Tick(0.25);
    Tick(0.25);
    EXPECT_EQ(window.clockTexts, (std::vector<std::string>{"", "02:00", "01:59"}));
    EXPECT_EQ(window.windowCaption, "01:59 - Scrambolo!");
    EXPECT_EQ(window.captionWrites, 2);
}

TEST_F(ClockTest, AWordsTwoMinutesIgnoreChangesOfTheSystemTime) {
    Tick(10);
    EXPECT_EQ(window.clockText, "01:50");
    system.wallSeconds -= 3600;  // daylight saving ends, or the time is set back
    Tick(1);
    EXPECT_EQ(window.clockText, "01:49");
    system.wallSeconds += 2 * 3600;  // daylight saving begins, or the time is set forward
    Tick(1);
    EXPECT_EQ(window.clockText, "01:48");
    EXPECT_TRUE(system.messages.empty());
    Tick(108);
    EXPECT_EQ(window.clockText, "00:00");
    EXPECT_TRUE(system.messages.empty());
    Tick(1);
    EXPECT_EQ(system.messages.size(), 1u);
}

TEST_F(ClockTest, TheDisplayStepsWithTheWallClocksSecond) {
    // A word started 0.75 s into a second shows 01:59 a quarter of a second later, when the second
    // changes, as the difference of two whole-second times does.
    system.wallSeconds += 0.75;
    game.StartClock();
    Tick(0.25);
    EXPECT_EQ(window.clockText, "01:59");
    Tick(0.75);
    EXPECT_EQ(window.clockText, "01:59");
    Tick(0.25);
    EXPECT_EQ(window.clockText, "01:58");
}

TEST_F(ClockTest, TimeLeftBeyondTheCountersRangeStopsWithAnOverflowInsteadOfWrapping) {
    game.ShowClock(120, -2147483527);  // the most time left that a 32-bit count holds
    EXPECT_EQ(window.clockText, "35791394:07");
    EXPECT_THROW(game.ShowClock(120, -2147483528), std::overflow_error);
}

TEST_F(ClockTest, ABeatenHighScoreAnsweredYesIsSavedAndANewGameStarts) {
    system.onMessage = [this](const auto&) { EXPECT_FALSE(window.timerOn); };
    State().HintsLeft = 3;
    State().SwapPending = true;
    RunOutOfTime(6, 4);
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "Congradulations! You beat your high score of 4 words! Your new high score is 6 words! "
              "The word was planet. Play again?");
    EXPECT_EQ(system.messages[0].title, "Time Is Up");
    EXPECT_EQ(system.messages[0].buttons, common::MessageButtons::YesNo);
    // Swaps typed as the time runs out must not answer it.
    EXPECT_EQ(system.messages[0].typeAhead, common::TypeAhead::Dropped);
    EXPECT_EQ(Count("buzzer.wav"), 1);
    EXPECT_EQ(system.files[kHighScorePath], "6\r\n");
    EXPECT_EQ(State().HighScore, 6);
    EXPECT_EQ(State().WordsGuessed, 0);
    EXPECT_EQ(State().HintsLeft, 10);
    EXPECT_FALSE(State().SwapPending);
    EXPECT_EQ(window.clockText, "02:00");
    EXPECT_TRUE(window.timerOn);
    EXPECT_FALSE(window.closed);
    EXPECT_EQ(system.writes, std::vector<std::string>{kHighScorePath});
}

TEST_F(ClockTest, ABeatenHighScoreAnsweredNoIsSavedAndTheProgramCloses) {
    system.answers = {common::MessageAnswer::No};
    RunOutOfTime(6, 4);
    EXPECT_EQ(system.files[kHighScorePath], "6\r\n");
    EXPECT_TRUE(window.closed);
    EXPECT_FALSE(window.timerOn);
    EXPECT_EQ(system.writes, (std::vector<std::string>{kHighScorePath, kDiffPath}));
}

TEST_F(ClockTest, ABeatenHighScoreIsSavedWhenTheSessionEndsWhileTheQuestionIsUp) {
    // Logging off while "Time Is Up" waits for its answer closes the window, and Windows may end
    // the program as soon as that is done: the best is on disk before the close returns.
    std::string savedWhenClosed;
    system.onMessage = [this, &savedWhenClosed](const common::testing::FakeSystem::Message& message) {
        if (message.title == "Time Is Up") {
            window.UnloadMainWindow();
            savedWhenClosed = system.files[kHighScorePath];
        }
    };
    RunOutOfTime(6, 4);
    EXPECT_EQ(savedWhenClosed, "6\r\n");
    EXPECT_EQ(system.files[kHighScorePath], "6\r\n");
    EXPECT_TRUE(window.closed);
    EXPECT_EQ(system.writes, (std::vector<std::string>{kHighScorePath, kDiffPath}));
}

TEST_F(ClockTest, AHighScoreSavedByAnotherCopySinceTheStartIsJudgedAndKept) {
    State().WordsGuessed = 1;
    system.files[kHighScorePath] = "2\r\n";  // another copy of the game saved 2 since the start
    Tick(121);
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt,
              "Oops! You didn't beat your high score of 2 words! You guessed 1 words! The word was planet. "
              "Play again?");
    EXPECT_EQ(system.files[kHighScorePath], "2\r\n");
    EXPECT_TRUE(system.writes.empty());
    EXPECT_EQ(State().HighScore, 2);
    system.unreadable.insert(kHighScorePath);  // locked at the next game's end: nothing new is known
    State().WordsGuessed = 3;
    Tick(121);
    EXPECT_NE(system.messages[1].prompt.find("beat your high score of 2 words!"), std::string::npos);
    EXPECT_TRUE(system.writes.empty());
}

TEST_F(ClockTest, TheSavedScoreIsReadAgainWhenTheBeatenOneIsWrittenAndTheBetterKept) {
    // Another copy (a second tab) saves 9 while the question is up: the 6 does not replace it.
    system.onMessage = [this](const auto&) { system.files[kHighScorePath] = "9\r\n"; };
    RunOutOfTime(6, 4);
    EXPECT_EQ(system.files[kHighScorePath], "9\r\n");
    EXPECT_TRUE(system.writes.empty());
    EXPECT_EQ(State().HighScore, 9);

    // Locked at the moment of writing: nothing is written over it, and the player is told.
    system.onMessage = [this](const auto& message) {
        if (message.title == "Time Is Up") {
            system.unreadable.insert(kHighScorePath);
        }
    };
    RunOutOfTime(12, 9);
    ASSERT_EQ(system.messages.size(), 3u);
    EXPECT_EQ(system.messages[2].prompt,
              "Your high score of 12 words was not saved: the file C:\\Games\\Scrambolo\\highscore.dat could not "
              "be read, so it was left as it was.");
    EXPECT_TRUE(system.writes.empty());
}

TEST_F(ClockTest, ATieIsNotANewHighScoreAndNothingIsWritten) {
    RunOutOfTime(5, 5);
    EXPECT_EQ(system.messages[0].prompt,
              "Oops! You didn't beat your high score of 5 words! You guessed 5 words! "
              "The word was planet. Play again?");
    EXPECT_TRUE(system.writes.empty());
    EXPECT_EQ(State().HighScore, 5);
    EXPECT_EQ(State().WordsGuessed, 0);
    EXPECT_EQ(State().HintsLeft, 10);
    EXPECT_TRUE(window.timerOn);

    system.answers = {common::MessageAnswer::No};
    RunOutOfTime(0, 0);
    EXPECT_EQ(system.messages[1].prompt,
              "Oops! You didn't beat your high score of 0 words! You guessed 0 words! "
              "The word was planet. Play again?");
    EXPECT_TRUE(window.closed);
    EXPECT_EQ(system.writes, std::vector<std::string>{kDiffPath});
}

TEST_F(ClockTest, TheMissedWordIsQuotedAsStored) {
    State().PlayWords = {"Planet"};
    State().CurrentWordIndex = 0;
    RunOutOfTime(0, 1);
    EXPECT_NE(system.messages[0].prompt.find("The word was Planet. Play again?"), std::string::npos);
}

TEST_F(ClockTest, AMissedWordOfEightBitLettersIsQuotedAsTheButtonsShowedIt) {
    // The list's bytes are read in the Windows code page, the message box's text is UTF-8.
    State().PlayWords = {
        "\x8A"
        "af\xE9"};
    State().CurrentWordIndex = 0;
    RunOutOfTime(0, 1);
    EXPECT_NE(system.messages[0].prompt.find("The word was \u0160af\u00E9. Play again?"), std::string::npos);
}

TEST_F(ClockTest, AHighScoreThatCannotBeSavedIsToldAndTheOldFileKept) {
    system.files[kHighScorePath] = "4\r\n";
    system.unwritable.insert(kHighScorePath);
    RunOutOfTime(6, 4);
    ASSERT_EQ(system.messages.size(), 2u);
    EXPECT_EQ(system.messages[1].prompt,
              "Your high score of 6 words could not be saved in C:\\Games\\Scrambolo\\highscore.dat. The high "
              "score saved before is kept as it was.");
    EXPECT_EQ(system.files[kHighScorePath], "4\r\n");
    EXPECT_EQ(State().HighScore, 6);  // still the best of this run
    EXPECT_TRUE(window.timerOn);

    system.answers = {common::MessageAnswer::No};
    RunOutOfTime(8, 6);
    EXPECT_EQ(system.files[kHighScorePath], "4\r\n");
    EXPECT_TRUE(window.closed);
    EXPECT_EQ(system.files[kDiffPath], "-1\r\n");
}

TEST_F(ClockTest, ATickQueuedAfterTheClockStoppedIsDropped) {
    system.answers = {common::MessageAnswer::No};
    RunOutOfTime(0, 0);
    const auto messages = system.messages.size();
    Tick(300);
    EXPECT_EQ(system.messages.size(), messages);
    EXPECT_EQ(window.callsAfterClose, 0);
}

}  // namespace
}  // namespace scrambolo
