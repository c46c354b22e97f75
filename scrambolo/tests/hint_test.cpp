// Hints: the letter pattern per word length, ten per game, and the life of the "Cheat" window.
#include <gtest/gtest.h>

#include "scrambolo/tests/game_fixture.h"

namespace scrambolo {
namespace {

using testing::kKeyC;

TEST(HintPatterns, OnePatternPerLength) {
    EXPECT_EQ(HintPattern("cat"), "c**");
    EXPECT_EQ(HintPattern("bird"), "b**d");
    EXPECT_EQ(HintPattern("horse"), "h*r**");
    EXPECT_EQ(HintPattern("planet"), "p**n*t");
    EXPECT_EQ(HintPattern("Planet"), "P**n*t");
    EXPECT_FALSE(HintPattern("ox"));
    EXPECT_FALSE(HintPattern(""));
    EXPECT_FALSE(HintPattern("planets"));
}

class HintTest : public testing::GameTest {
protected:
    void SetUp() override { Start("planet\r\n"); }
};

TEST_F(HintTest, TenHintsAGameThenOnlyTheBuzzer) {
    for (int i = 0; i < 10; ++i) {
        game.Form_KeyDown(kKeyC, 0);
        EXPECT_EQ(window.hintText, "p**n*t");
    }
    EXPECT_EQ(State().HintsLeft, 0);
    EXPECT_EQ(window.hintActivations, 10);
    EXPECT_EQ(window.hintWindowsCreated, 1);
    system.sounds.clear();
    game.Form_KeyDown(kKeyC, 0);
    EXPECT_EQ(system.SoundNames(), std::vector<std::string>{"buzzer.wav"});
    EXPECT_EQ(window.hintActivations, 10);
    EXPECT_EQ(window.hintText, "p**n*t");
    EXPECT_EQ(State().HintsLeft, 0);

    Tick(121);  // answered Yes: a new game brings ten more
    game.Form_KeyDown(kKeyC, 0);
    EXPECT_EQ(State().HintsLeft, 9);
    EXPECT_EQ(window.hintActivations, 11);
}

TEST_F(HintTest, TheWindowOutlivesANewWordAndACloseMakesAFreshOne) {
    game.Form_KeyDown(kKeyC, 0);
    State().AllWords = {"horse"};
    game.mnuOptionsAllRanges_Click();
    EXPECT_EQ(Word(), "horse");
    EXPECT_TRUE(window.hintExists);
    EXPECT_EQ(window.hintText, "p**n*t");

    game.cmdClose_Click();
    EXPECT_FALSE(window.hintExists);
    game.Form_KeyDown(kKeyC, 0);
    EXPECT_EQ(window.hintWindowsCreated, 2);
    EXPECT_EQ(window.hintText, "h*r**");
    EXPECT_TRUE(window.hintShown);
}

TEST_F(HintTest, AWordWithoutAPatternSpendsTheHintAndLeavesTheTextEmpty) {
    game.Form_KeyDown(kKeyC, 0);
    State().PlayWords = {"ox"};
    State().CurrentWordIndex = 0;
    game.Form_KeyDown(kKeyC, 0);
    EXPECT_EQ(State().HintsLeft, 8);
    EXPECT_EQ(window.hintText, "");
    EXPECT_EQ(window.hintActivations, 1);
    EXPECT_TRUE(window.hintExists);
}

}  // namespace
}  // namespace scrambolo
