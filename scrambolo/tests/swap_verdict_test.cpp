// Keys, the focus cue, the two-press swap through the hidden buffer, and the verdict on the letters.
#include <gtest/gtest.h>

#include "scrambolo/tests/game_fixture.h"

namespace scrambolo {
namespace {

using testing::kKeyC;
using testing::kKeyH;
using testing::kKeyJ;

class SwapTest : public testing::GameTest {
protected:
    void SetUp() override {
        Start("stop\r\npots\r\n");
        State().CurrentWordIndex = 0;
        for (int i = 1; i <= 4; ++i) {
            window.captions[static_cast<std::size_t>(i)] = std::string(1, "tsop"[i - 1]);
        }
        system.sounds.clear();
    }
};

TEST_F(SwapTest, TwoPressesExchangeLettersThroughTheHiddenBuffer) {
    game.ButtonArray_Click(2);
    EXPECT_TRUE(State().SwapPending);
    EXPECT_EQ(State().SwapFirst, 2);
    EXPECT_EQ(window.captions[0], "s");
    EXPECT_EQ(window.Row(), "tsop");
    game.ButtonArray_Click(4);
    EXPECT_EQ(window.Row(), "tpos");
    EXPECT_EQ(window.captions[0], "s");
    EXPECT_FALSE(State().SwapPending);
    EXPECT_EQ(State().ActiveButton, 4);

    game.ButtonArray_Click(3);
    game.ButtonArray_Click(3);
    EXPECT_EQ(window.Row(), "tpos");
    EXPECT_FALSE(State().SwapPending);

    // A press plays nothing, moves no focus and gives no verdict.
    EXPECT_TRUE(system.sounds.empty());
    EXPECT_EQ(window.focused, 1);
    EXPECT_EQ(State().WordsGuessed, 0);
    EXPECT_FALSE(window.shown[0]);
}

TEST_F(SwapTest, OnlyTheFirstButtonClicksWhenTheFocusArrives) {
    game.ButtonArray_GotFocus(4);
    EXPECT_EQ(State().ActiveButton, 4);
    EXPECT_TRUE(system.sounds.empty());
    game.ButtonArray_GotFocus(1);
    EXPECT_EQ(State().ActiveButton, 1);
    EXPECT_EQ(system.SoundNames(), std::vector<std::string>{"click.wav"});
    EXPECT_EQ(system.sounds[0].path, "C:\\Games\\Scrambolo\\click.wav");
    EXPECT_EQ(system.sounds[0].mode, common::SoundMode::Async);
    game.ButtonArray_GotFocus(0);
    game.ButtonArray_GotFocus(7);
    EXPECT_EQ(State().ActiveButton, 1);
    EXPECT_EQ(system.sounds.size(), 1u);
}

TEST_F(SwapTest, AnotherWordOfTheSameLettersIsWrongAndChangesNothing) {
    for (int i = 1; i <= 4; ++i) {
        window.captions[static_cast<std::size_t>(i)] = std::string(1, "pots"[i - 1]);
    }
    game.ButtonArray_Click(1);  // a swap half done stays pending across a wrong verdict
    const std::string clockBefore = window.clockText;
    game.Form_KeyDown(kKeyJ, 0);
    game.lblTime_DblClick();
    EXPECT_EQ(system.SoundNames(), (std::vector<std::string>{"buzzer.wav", "buzzer.wav"}));
    EXPECT_EQ(State().WordsGuessed, 0);
    EXPECT_EQ(window.Row(), "pots");
    EXPECT_EQ(Word(), "stop");
    EXPECT_EQ(window.clockText, clockBefore);
    EXPECT_TRUE(State().SwapPending);
    game.ButtonArray_Click(3);
    EXPECT_EQ(window.Row(), "tops");
}

TEST_F(SwapTest, TheRightWordRingsScoresAndDealsTheNextWithAFreshClock) {
    game.ButtonArray_Click(1);
    game.ButtonArray_Click(2);
    game.ButtonArray_Click(3);  // first half pending: the letters already spell the word
    ASSERT_EQ(window.Row(), "stop");
    game.ButtonArray_GotFocus(3);
    window.focused = 3;
    system.Advance(40);
    game.Timer1_Timer();
    const double before = system.monotonicSeconds;
    game.Form_KeyDown(kKeyJ, 4);

    EXPECT_EQ(State().WordsGuessed, 1);
    EXPECT_FALSE(State().SwapPending);
    EXPECT_NE(window.Row(), Word());
    EXPECT_EQ(window.focused, 1);
    EXPECT_EQ(window.clockText, "02:00");
    EXPECT_EQ(State().StartTime, system.CurrentDateTime());
    EXPECT_TRUE(window.timerOn);
    EXPECT_EQ(system.SoundNames(), (std::vector<std::string>{"bell.wav", "click.wav"}));
    const double paused = system.monotonicSeconds - before;
    EXPECT_GE(paused, 1.0);
    EXPECT_LE(paused, 2.0);
}

TEST_F(SwapTest, EqualLettersSwappedStillSpellTheWord) {
    State().PlayWords = {"eel"};
    State().CurrentWordIndex = 0;
    window.captions[1] = "e";
    window.captions[2] = "e";
    window.captions[3] = "l";
    game.ButtonArray_Click(1);
    game.ButtonArray_Click(2);
    game.lblTime_DblClick();
    EXPECT_EQ(State().WordsGuessed, 1);
}

TEST_F(SwapTest, AWordOutsideThreeToSixLettersGetsNoVerdict) {
    State().PlayWords = {"ox"};
    State().CurrentWordIndex = 0;
    game.Form_KeyDown(kKeyJ, 0);
    EXPECT_TRUE(system.sounds.empty());
    EXPECT_EQ(system.waits, 0);
}

TEST_F(SwapTest, OnlyHCAndJMeanAnythingToTheKeyHandler) {
    for (int key : {27, 49, 65, 75, 112, 13, 32}) {
        game.Form_KeyDown(key, 0);
    }
    EXPECT_TRUE(system.sounds.empty());
    EXPECT_TRUE(system.messages.empty());
    EXPECT_FALSE(window.hintExists);
    EXPECT_EQ(window.Row(), "tsop");

    State().HighScore = 5;
    State().WordsGuessed = 3;
    game.Form_KeyDown(kKeyH, 1);
    ASSERT_EQ(system.messages.size(), 1u);
    EXPECT_EQ(system.messages[0].prompt, "Your high score is 5 guessed words!");
    EXPECT_EQ(system.messages[0].title, "High Score");
    EXPECT_EQ(system.messages[0].buttons, common::MessageButtons::Ok);
    EXPECT_EQ(system.messages[0].typeAhead, common::TypeAhead::Answers);
    EXPECT_TRUE(window.timerOn);

    game.Form_KeyDown(kKeyC, 2);
    EXPECT_EQ(window.hintText, "s**p");
}

}  // namespace
}  // namespace scrambolo
