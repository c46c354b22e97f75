// The options and best-score files: what is read from any content, and the exact bytes written.
#include <gtest/gtest.h>

#include "pebblix/logic/saved_files.h"

namespace pebblix {
namespace {

TEST(OptionsFile, ReadsTheTruthValueAndKeepsSoundsOnOtherwise) {
    EXPECT_FALSE(ReadSoundsOn("#FALSE#\r\n"));
    EXPECT_TRUE(ReadSoundsOn("#TRUE#\r\n"));
    EXPECT_FALSE(ReadSoundsOn("  #FALSE#"));
    for (const char* unreadable : {"", "\r\n", "false", "0", "#false#", "garbage,#FALSE#", "\xff\xfe"}) {
        EXPECT_TRUE(ReadSoundsOn(unreadable)) << unreadable;
    }
    EXPECT_EQ(FormatOptionsFile(true), "#TRUE#\r\n");
    EXPECT_EQ(FormatOptionsFile(false), "#FALSE#\r\n");
    EXPECT_FALSE(ReadSoundsOn(FormatOptionsFile(false)));
}

TEST(ScoreFile, IsWrittenInThePrintFormAndReadBack) {
    EXPECT_EQ(FormatScoreFile(12), " 12 \r\n");
    EXPECT_EQ(FormatScoreFile(32767), " 32767 \r\n");
    EXPECT_EQ(ReadHighScore(FormatScoreFile(12)), 12);
    EXPECT_EQ(ReadHighScore(std::string("57")), 57);
    EXPECT_EQ(ReadHighScore(std::string(" 32767 \r\n")), 32767);
}

TEST(ScoreFile, CountsAsZeroWhenMissingUnreadableOrOutOfRange) {
    EXPECT_EQ(ReadHighScore(std::nullopt), 0);
    for (const char* unreadable : {"", "\r\n", "abc", "12abc", " 32768 \r\n", "99999999999999999999", "1.5"}) {
        EXPECT_EQ(ReadHighScore(std::string(unreadable)), 0) << unreadable;
    }
}

}  // namespace
}  // namespace pebblix
