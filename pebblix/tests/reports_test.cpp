// The texts players hear, checked word for word with their exact spacing, and the average.
#include <gtest/gtest.h>

#include "pebblix/logic/reports.h"

namespace pebblix {
namespace {

TEST(AcceptReport, TotalHasTwoBlanksBeforeAndNoneAfter) {
    EXPECT_EQ(AcceptReport(4, 12),
              "Nice work! You earned 4 points and now have a total of  12points! Get ready for the next word!");
    EXPECT_EQ(AcceptReport(1, 1),
              "Nice work! You earned 1 points and now have a total of  1points! Get ready for the next word!");
}

TEST(AverageScore, RoundsHalvesToTheEvenNeighbour) {
    EXPECT_EQ(AverageScore(7, 2), 4);   // 3.5
    EXPECT_EQ(AverageScore(5, 2), 2);   // 2.5
    EXPECT_EQ(AverageScore(9, 2), 4);   // 4.5
    EXPECT_EQ(AverageScore(11, 2), 6);  // 5.5
    EXPECT_EQ(AverageScore(10, 3), 3);  // 3.33
    EXPECT_EQ(AverageScore(11, 3), 4);  // 3.67
    EXPECT_EQ(AverageScore(0, 0), 0);
    EXPECT_EQ(AverageScore(25, 0), 0);
    EXPECT_EQ(AverageScore(32767, 2), 16384);  // 16383.5
    EXPECT_EQ(AverageScore(-5, 2), -2);
}

TEST(GameOverReport, GivesScoreWordsAverageAndVerdict) {
    EXPECT_EQ(GameOverReport(0, 0, 0),
              "Times up! Sorry, you lose! Your final score was  0. It took you 0 words, so your average score "
              "per word is 0. You did not beat your high score of 0. Play again?");
    EXPECT_EQ(GameOverReport(12, 3, 0),
              "Times up! Sorry, you lose! Your final score was  12. It took you 3 words, so your average score "
              "per word is 4. You beat your old high score, which was 0! Play again?");
    // A tie does not beat the saved score.
    EXPECT_EQ(Verdict(40, 40), "You did not beat your high score of 40.");
    EXPECT_EQ(Verdict(41, 40), "You beat your old high score, which was 40!");
}

TEST(MenuTexts, NewGameAboutAndVisit) {
    EXPECT_EQ(NewGameReport(23), "New game started. You ended your previous game with 23 points.");
    EXPECT_EQ(AboutText(),
              "Pebblix version 1.0\r\nCopyright (C) 2026 Lanternfold Games\r\n"
              "Support: support@lanternfold.example.org\r\nWeb: https://lanternfold.example.org/");
    EXPECT_EQ(VisitMenuCaption(), "&Visit Lanternfold Games On The Web");
}

}  // namespace
}  // namespace pebblix
