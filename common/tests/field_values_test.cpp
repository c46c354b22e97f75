// Number and truth-value fields: exact conversions, clear failures, and the written forms.
#include <gtest/gtest.h>

#include "common/field_values.h"

namespace common {
namespace {

TEST(ParseInt32, ReadsDecimalIntegersWithSignAndSurroundingBlanks) {
    EXPECT_EQ(ParseInt32("17").value, 17);
    EXPECT_EQ(ParseInt32("-1").value, -1);
    EXPECT_EQ(ParseInt32("+6").value, 6);
    EXPECT_EQ(ParseInt32(" 34 ").value, 34);
    EXPECT_EQ(ParseInt32("\t007").value, 7);
    EXPECT_TRUE(ParseInt32("2147483647").ok());
    EXPECT_EQ(ParseInt32("-2147483648").value, -2147483647 - 1);
}

TEST(ParseInt32, AnythingButDigitsIsNotANumber) {
    for (const char* text : {"", " ", "-", "+", "abc", "12a", "1 2", "1.5", "0x10", "--1", "#TRUE#"}) {
        const auto parsed = ParseInt32(text);
        EXPECT_EQ(parsed.status, NumberStatus::NotANumber) << '"' << text << '"';
        EXPECT_EQ(parsed.ValueOr(-99), -99) << text;
    }
}

TEST(ParseInt32, NumbersBeyondThirtyTwoBitsAreOutOfRangeNeverWrapped) {
    for (const char* text : {"2147483648", "-2147483649", "4294967313", "99999999999999999999999999"}) {
        EXPECT_EQ(ParseInt32(text).status, NumberStatus::OutOfRange) << text;
    }
}

TEST(ParseInt16, HasItsOwnRange) {
    EXPECT_EQ(ParseInt16("32767").value, 32767);
    EXPECT_EQ(ParseInt16("-32768").value, -32768);
    EXPECT_EQ(ParseInt16("32768").status, NumberStatus::OutOfRange);
    EXPECT_EQ(ParseInt16("-32769").status, NumberStatus::OutOfRange);
    EXPECT_EQ(ParseInt16("65548").status, NumberStatus::OutOfRange);
    EXPECT_EQ(ParseInt16("x").status, NumberStatus::NotANumber);
}

TEST(TruthValues, OnlyTheTwoWrittenFormsAreRead) {
    EXPECT_EQ(ParseTruthValue("#TRUE#"), true);
    EXPECT_EQ(ParseTruthValue("#FALSE#"), false);
    EXPECT_EQ(ParseTruthValue(" #FALSE# "), false);
    EXPECT_EQ(ParseTruthValue("TRUE"), std::nullopt);
    EXPECT_EQ(ParseTruthValue("#true#"), std::nullopt);
    EXPECT_EQ(ParseTruthValue(""), std::nullopt);
    EXPECT_EQ(ParseTruthValue(FormatTruthValue(true)), true);
    EXPECT_EQ(ParseTruthValue(FormatTruthValue(false)), false);
}

TEST(WrittenNumbers, PlainAndPrintFormsAndCrLfLines) {
    EXPECT_EQ(FormatPlain(34), "34");
    EXPECT_EQ(FormatPlain(-1), "-1");
    EXPECT_EQ(FormatPlain(0), "0");
    EXPECT_EQ(FormatPrint(12), " 12");
    EXPECT_EQ(FormatPrint(0), " 0");
    EXPECT_EQ(FormatPrint(-3), "-3");
    EXPECT_EQ(CrLfLine("6"), "6\r\n");
    EXPECT_EQ(CrLfLine(FormatTruthValue(false)), "#FALSE#\r\n");
}

TEST(WrittenNumbers, ReadBackAsTheSameValue) {
    for (int value : {0, 1, 6, 34, -1, 2147483647, -2147483647 - 1}) {
        EXPECT_EQ(ParseInt32(FormatPlain(value)).value, value);
        EXPECT_EQ(ParseInt32(FormatPrint(value) + " ").value, value);
    }
}

}  // namespace
}  // namespace common
