// The pause after a verdict: its length, midnight, and what arrives while a solved word waits.
#include <gtest/gtest.h>

#include "scrambolo/tests/game_fixture.h"

namespace scrambolo {
namespace {

using testing::kDiffPath;
using testing::kHighScorePath;
using testing::kKeyC;
using testing::kKeyJ;

class PauseTest : public testing::GameTest {
protected:
    void SetUp() override { Start("planet\r\nhorse\r\n"); }

    double PauseFrom(double timeOfDay) {
        system.SetTimeOfDay(timeOfDay);
        const double before = system.monotonicSeconds;
        game.Pause(1.5);
        return system.monotonicSeconds - before;
    }
};

TEST_F(PauseTest, LastsOneToTwoSecondsFromTheRoundedStartAndWaitsInsteadOfSpinning) {
    EXPECT_NEAR(PauseFrom(1000.2), 1.3, 1e-6);
    EXPECT_NEAR(PauseFrom(1000.7), 1.8, 1e-6);
    EXPECT_NEAR(PauseFrom(1000.5), 1.0, 1e-6);  // ties go to the even second
    EXPECT_NEAR(PauseFrom(1001.5), 2.0, 1e-6);
    const int waitsBefore = system.waits;
    system.waitStep = 10;  // a wait is given the whole time left and sleeps through it
    PauseFrom(2000.2);
    EXPECT_EQ(system.waits - waitsBefore, 1);
}

TEST_F(PauseTest, EndsOnTimeAcrossMidnight) {
    EXPECT_NEAR(PauseFrom(86399.8), 1.7, 1e-6);
    EXPECT_LT(system.TimeOfDay(), 2.0);
}

TEST_F(PauseTest, ASecondCheckDuringTheRightVerdictScoresAndDealsOnce) {
    Solve();
    int deals = 0;
    window.onFocus = [this, &deals](int index) {
        ++deals;
        game.ButtonArray_GotFocus(index);
    };
    window.focused = 3;
    system.onWait = [this] {
        game.Form_KeyDown(kKeyJ, 0);
        game.lblTime_DblClick();
    };
    game.Form_KeyDown(kKeyJ, 0);
    EXPECT_EQ(State().WordsGuessed, 1);
    EXPECT_EQ(Count("bell.wav"), 1);
    EXPECT_EQ(Count("buzzer.wav"), 0);
    EXPECT_EQ(deals, 1);
}

TEST_F(PauseTest, JHeldOnAWrongWordBuzzesForEveryPressAndWaitsNoDeeperThanOnePause) {
    // A key held for a minute repeats 30 times a second: every wait of the pause meets a press,
    // as each press would have started a pause of its own inside the last one.
    system.waitStep = 1.0 / 30;
    int presses = 0;
    double lastPress = 0;
    system.onWait = [&] {
        if (presses < 1800) {
            ++presses;
            lastPress = system.monotonicSeconds;
            game.Form_KeyDown(kKeyJ, 0);
        }
    };
    game.Form_KeyDown(kKeyJ, 0);
    EXPECT_EQ(Count("buzzer.wav"), 1 + presses);
    EXPECT_EQ(system.deepestWait, 1);
    // It ends when the last press's own pause would have: 1 to 2 seconds after that press.
    EXPECT_GE(system.monotonicSeconds - lastPress, 1.0 - 1e-6);
    EXPECT_LE(system.monotonicSeconds - lastPress, 2.0 + 1e-6);

    // The game still answers: the word rebuilt and checked scores and deals.
    system.onWait = nullptr;
    Solve();
    game.Form_KeyDown(kKeyJ, 0);
    EXPECT_EQ(State().WordsGuessed, 1);
}

TEST_F(PauseTest, ATickInTheRightVerdictsPauseDoesNotEndTheGame) {
    Tick(120.6);
    Solve();
    system.onWait = [this] { game.Timer1_Timer(); };
    game.Form_KeyDown(kKeyJ, 0);
    EXPECT_TRUE(system.messages.empty());
    EXPECT_EQ(State().WordsGuessed, 1);
    EXPECT_EQ(window.clockText, "02:00");
    EXPECT_TRUE(window.timerOn);
    system.onWait = nullptr;
    Tick(0.25);
    EXPECT_EQ(window.clockText, "02:00");
}

TEST_F(PauseTest, ARangePickDuringThePauseDealsOnceAndTheWordStillCounts) {
    Solve();
    Tick(60);
    bool picked = false;
    std::string dealtByPick;
    system.onWait = [&] {
        if (!picked) {
            picked = true;
            game.mnuOptions56_Click();
            dealtByPick = window.Row();
        }
    };
    game.Form_KeyDown(kKeyJ, 0);
    EXPECT_EQ(State().WordsGuessed, 1);
    EXPECT_EQ(State().LetterRange, 56);
    EXPECT_EQ(window.Row(), dealtByPick);
    EXPECT_EQ(window.clockText, "02:00");
}

TEST_F(PauseTest, AHintDuringThePauseGoesToTheNextWordOnce) {
    Solve();
    system.onWait = [this] { game.Form_KeyDown(kKeyC, 0); };
    game.Form_KeyDown(kKeyJ, 0);
    EXPECT_EQ(State().HintsLeft, 9);
    EXPECT_EQ(window.hintActivations, 1);
    EXPECT_EQ(window.hintText, HintPattern(Word()).value());

    // Only that successor: the next word rebuilt brings no hint.
    system.onWait = nullptr;
    Solve();
    game.Form_KeyDown(kKeyJ, 0);
    EXPECT_EQ(State().WordsGuessed, 2);
    EXPECT_EQ(State().HintsLeft, 9);
    EXPECT_EQ(window.hintActivations, 1);
}

TEST_F(PauseTest, ACloseDuringThePauseTouchesNoWindowAfterwards) {
    Solve();
    State().HighScore = 0;
    system.onWait = [this] { game.mnuFileExit_Click(); };
    game.Form_KeyDown(kKeyJ, 0);
    EXPECT_TRUE(window.closed);
    EXPECT_EQ(window.callsAfterClose, 0);
    EXPECT_EQ(State().WordsGuessed, 0);
    EXPECT_EQ(system.writes, std::vector<std::string>{kDiffPath});
    EXPECT_EQ(system.files.count(kHighScorePath), 0u);
    EXPECT_LT(system.waits, 3);
}

TEST_F(PauseTest, AGameEndedNoDuringAWrongVerdictsPauseClosesCleanly) {
    Tick(120.9);
    system.answers = {common::MessageAnswer::No};
    system.onWait = [this] { game.Timer1_Timer(); };
    game.Form_KeyDown(kKeyJ, 0);  // the dealt letters never spell the word: wrong
    EXPECT_EQ(Count("buzzer.wav"), 2);
    EXPECT_EQ(system.messages.size(), 1u);
    EXPECT_TRUE(window.closed);
    EXPECT_EQ(window.callsAfterClose, 0);
}

}  // namespace
}  // namespace scrambolo
