// The shared field-reading rule: quotes, commas, every kind of line end, blanks and the end of file.
#include <gtest/gtest.h>

#include "common/field_reader.h"

namespace common {
namespace {

using Fields = std::vector<std::string>;

TEST(FieldReader, OneWordPerLineWithCrLfGivesNoEmptyLastField) {
    EXPECT_EQ(ReadAllFields("cat\r\ndog\r\n"), (Fields{"cat", "dog"}));
    EXPECT_EQ(ReadAllFields("cat\r\ndog"), (Fields{"cat", "dog"}));
    EXPECT_TRUE(ReadAllFields("").empty());
}

TEST(FieldReader, CrAloneAndLfAloneEndLinesToo) {
    EXPECT_EQ(ReadAllFields("cat\ndog\n"), (Fields{"cat", "dog"}));
    EXPECT_EQ(ReadAllFields("cat\rdog\r"), (Fields{"cat", "dog"}));
    EXPECT_EQ(ReadAllFields("cat\rdog\nemu\r\nfox"), (Fields{"cat", "dog", "emu", "fox"}));
}

TEST(FieldReader, CommasSeparateFieldsOnOneLine) {
    EXPECT_EQ(ReadAllFields("ape,bee\r\n"), (Fields{"ape", "bee"}));
    EXPECT_EQ(ReadAllFields("17,4\r\n"), (Fields{"17", "4"}));
    EXPECT_EQ(ReadFirstField("34,56\r\n"), "34");
}

TEST(FieldReader, BlanksAndTabsBeforeAFieldAreSkippedAndTrailingBlanksDropped) {
    EXPECT_EQ(ReadAllFields("  \tcat  \r\n dog ,  emu\r\n"), (Fields{"cat", "dog", "emu"}));
    EXPECT_EQ(ReadFirstField(" 34\r\n"), "34");
    EXPECT_EQ(ReadFirstField(" 12 \r\n"), "12");
}

TEST(FieldReader, LettersKeepTheirCase) { EXPECT_EQ(ReadAllFields("Cat\r\nDOG\r\n"), (Fields{"Cat", "DOG"})); }

TEST(FieldReader, EmptyLinesAreEmptyFields) {
    EXPECT_EQ(ReadAllFields("cat\r\n\r\ndog\r\n"), (Fields{"cat", "", "dog"}));
    EXPECT_EQ(ReadAllFields("\r\n"), (Fields{""}));
    EXPECT_EQ(ReadAllFields("a,,b"), (Fields{"a", "", "b"}));
}

TEST(FieldReader, QuotedFieldRunsToTheNextQuoteAndTheRestOfItIsSkipped) {
    EXPECT_EQ(ReadAllFields("\"cat\"\r\n\"dog\"\r\n"), (Fields{"cat", "dog"}));
    EXPECT_EQ(ReadAllFields("  \" a, b \"  junk ,next\r\n"), (Fields{" a, b ", "next"}));
    EXPECT_EQ(ReadAllFields("\"two\r\nlines\"\r\nx"), (Fields{"two\r\nlines", "x"}));
    EXPECT_EQ(ReadAllFields("\"\"\r\n"), (Fields{""}));
}

TEST(FieldReader, UnclosedQuoteRunsToTheEndOfTheText) {
    EXPECT_EQ(ReadAllFields("\"never closed,\r\nstill"), (Fields{"never closed,\r\nstill"}));
}

TEST(FieldReader, EndOfFileTestComesBeforeEachRead) {
    FieldReader reader("cat\r\n");
    ASSERT_FALSE(reader.AtEnd());
    EXPECT_EQ(reader.ReadField(), "cat");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_EQ(reader.ReadField(), "");
    EXPECT_TRUE(reader.AtEnd());
}

TEST(FieldReader, BlanksAfterTheLastLineMakeOneLastEmptyField) {
    EXPECT_EQ(ReadAllFields("cat\r\n  "), (Fields{"cat", ""}));
}

}  // namespace
}  // namespace common
