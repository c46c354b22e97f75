// The pure rules of a round: the guess as checked, the ending and letter rules, time and draw.
#include <gtest/gtest.h>

#include "pebblix/logic/word_rules.h"

namespace pebblix {
namespace {

TEST(NormaliseGuess, TrimsBlanksOnlyAndLowersCase) {
    EXPECT_EQ(NormaliseGuess("  Tea  "), "tea");
    EXPECT_EQ(NormaliseGuess("PLAYER"), "player");
    EXPECT_EQ(NormaliseGuess("   "), "");
    EXPECT_EQ(NormaliseGuess(""), "");
    // Tabs are not blanks, and a blank inside the guess stays.
    EXPECT_EQ(NormaliseGuess("\tab "), "\tab");
    EXPECT_EQ(NormaliseGuess(" ice Cream "), "ice cream");
}

TEST(EndingRules, RefuseTheWordItsSingularAndItsStems) {
    // players: the word and the word without "s"; play is left to the other rules.
    EXPECT_TRUE(IsWordOrSingular("players", "players"));
    EXPECT_TRUE(IsWordOrSingular("player", "players"));
    EXPECT_FALSE(IsWordOrEndingStem("player", "players"));
    EXPECT_FALSE(IsWordOrSingular("play", "players"));
    EXPECT_FALSE(IsWordOrEndingStem("play", "players"));

    EXPECT_TRUE(IsWordOrEndingStem("paint", "painted"));
    EXPECT_TRUE(IsWordOrEndingStem("teach", "teacher"));
    EXPECT_TRUE(IsWordOrSingular("plane", "planes"));
    EXPECT_TRUE(IsWordOrEndingStem("plan", "planes"));
    EXPECT_TRUE(IsWordOrEndingStem("planes", "planes"));

    // The rules look only at the dealt word's own ending.
    EXPECT_FALSE(IsWordOrSingular("teacher", "teach"));
    EXPECT_FALSE(IsWordOrEndingStem("teacher", "teach"));
    EXPECT_FALSE(IsWordOrEndingStem("pain", "painted"));
}

TEST(LettersAvailable, UsesEachLetterOfTheWordOnce) {
    EXPECT_TRUE(LettersAvailable("tee", "letter"));
    EXPECT_TRUE(LettersAvailable("letter", "letter"));
    EXPECT_TRUE(LettersAvailable("", "letter"));
    EXPECT_FALSE(LettersAvailable("teeth", "letter"));   // no h
    EXPECT_FALSE(LettersAvailable("settle", "letter"));  // no s, though both t and e are there twice
    EXPECT_FALSE(LettersAvailable("teee", "letter"));    // a third e
    // A blank inside a guess cannot take the place of a letter already used.
    EXPECT_FALSE(LettersAvailable("ice cream", "icecreams"));
}

TEST(TimeAllowed, ShrinksByTwoSecondsEachHundredPoints) {
    EXPECT_EQ(TimeAllowed(0), 15000);
    EXPECT_EQ(TimeAllowed(100), 15000);
    EXPECT_EQ(TimeAllowed(101), 13000);
    EXPECT_EQ(TimeAllowed(200), 13000);
    EXPECT_EQ(TimeAllowed(201), 11000);
    EXPECT_EQ(TimeAllowed(300), 11000);
    EXPECT_EQ(TimeAllowed(301), 9000);
    EXPECT_EQ(TimeAllowed(400), 9000);
    EXPECT_EQ(TimeAllowed(401), 7000);
    EXPECT_EQ(TimeAllowed(500), 7000);
    EXPECT_EQ(TimeAllowed(501), 5000);
    EXPECT_EQ(TimeAllowed(32767), 5000);
}

TEST(SlotFromDraw, SpreadsDrawsOverSlotsOneToWordCount) {
    EXPECT_EQ(SlotFromDraw(0.0, 10), 1);
    EXPECT_EQ(SlotFromDraw(0.0999, 10), 1);
    EXPECT_EQ(SlotFromDraw(0.1, 10), 2);
    EXPECT_EQ(SlotFromDraw(0.95, 10), 10);
    EXPECT_EQ(SlotFromDraw(0.9999999999999999, 110000), 110000);
    EXPECT_EQ(SlotFromDraw(0.5, 1), 1);
}

}  // namespace
}  // namespace pebblix
