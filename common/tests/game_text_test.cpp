// The games' 8-bit text as UTF-8: the code page's letters read right, every byte kept, the rest as '?'.
#include <gtest/gtest.h>

#include <string>

#include "common/game_text.h"

namespace common {
namespace {

TEST(GameText, LettersOfTheCodePageReadAsThemselves) {
    EXPECT_EQ(Utf8FromGameText("planet"), "planet");
    EXPECT_EQ(Utf8FromGameText("caf\xE9"), "caf\u00E9");
    EXPECT_EQ(Utf8FromGameText("\xC5ngstr\xF6m \xFF"), "\u00C5ngstr\u00F6m \u00FF");
    // 0x80 to 0x9F are letters and signs, not invisible control characters.
    EXPECT_EQ(Utf8FromGameText("\x8A"
                               "ampa\x9A"
                               "a"),
              "\u0160ampa\u0161a");
    EXPECT_EQ(Utf8FromGameText("\x80 \x8C\x9C \x9F \x93\x94 \x96"), "\u20AC \u0152\u0153 \u0178 \u201C\u201D \u2013");
    // The five bytes the code page leaves out are the control characters of their number, as on Windows.
    EXPECT_EQ(Utf8FromGameText("\x81\x8D\x8F\x90\x9D"), "\u0081\u008D\u008F\u0090\u009D");
    EXPECT_EQ(Utf8FromGameText(std::string("a\0b", 3)), std::string("a\0b", 3));
}

TEST(GameText, EveryByteComesBackAsItWas) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte) {
        everyByte += static_cast<char>(byte);
    }
    const std::string shown = Utf8FromGameText(everyByte);
    EXPECT_EQ(GameTextFromUtf8(shown), everyByte);
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(GameTextFromUtf8(Utf8FromGameText(one)), one) << byte;
    }
}

TEST(GameText, WhatTheCodePageCannotHoldIsOneQuestionMarkACharacter) {
    EXPECT_EQ(GameTextFromUtf8("\u0142\u00F3d\u017A"),
              "?\xF3"
              "d?")
        << "Polish letters outside the code page";
    EXPECT_EQ(GameTextFromUtf8("\u65E5\u672C \U0001F3B2"), "?? ?");
    // C1 controls other than the five stand-ins have no byte: 0x80 is the euro sign.
    EXPECT_EQ(GameTextFromUtf8("\u0080\u0085"), "??");
    // Bytes that are not UTF-8: a lone continuation, a cut sequence, an overlong form, a surrogate.
    EXPECT_EQ(GameTextFromUtf8("a\x80z"), "a?z");
    EXPECT_EQ(GameTextFromUtf8("caf\xC3"), "caf?");
    EXPECT_EQ(GameTextFromUtf8("\xE2\x82x"), "??x");
    EXPECT_EQ(GameTextFromUtf8("\xC0\xAF"), "??");
    EXPECT_EQ(GameTextFromUtf8("\xED\xA0\x80"), "???");
    EXPECT_EQ(GameTextFromUtf8(""), "");
}

}  // namespace
}  // namespace common
