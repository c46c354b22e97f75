// Cue padding: the sound and its format kept, silence of the sample format after it, bad waves left alone.
#include "common/qt/wave_padding.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace common::qt {
namespace {

void Put32(std::string& bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

void Put16(std::string& bytes, std::uint16_t value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8);
}

// A wave of the given samples and format, then an optional chunk after the data.
QByteArray Wave(const std::string& samples, std::uint16_t format, std::uint16_t bits, std::uint32_t rate,
                const std::string& trailer = "") {
    const std::uint16_t blockAlign = static_cast<std::uint16_t>(bits / 8);
    std::string body = "WAVEfmt ";
    Put32(body, 16);
    Put16(body, format);
    Put16(body, 1);
    Put32(body, rate);
    Put32(body, rate * blockAlign);
    Put16(body, blockAlign);
    Put16(body, bits);
    body += "data";
    Put32(body, static_cast<std::uint32_t>(samples.size()));
    body += samples;
    if (samples.size() % 2 == 1) {
        body += '\0';
    }
    body += trailer;
    std::string wave = "RIFF";
    Put32(wave, static_cast<std::uint32_t>(body.size()));
    return QByteArray::fromStdString(wave + body);
}

std::uint32_t Get32(const QByteArray& bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

TEST(WavePadding, SilenceFollowsTheSoundInItsOwnFormat) {
    // 16-bit at 1000 samples a second: 500 ms are 500 samples of zero, 1000 bytes.
    const std::string sound("\x10\x27\xF0\xD8", 4);
    const std::string trailer = std::string("LIST") + std::string("\x04\0\0\0", 4) + "INFO";
    const auto padded = PadWithSilence(Wave(sound, 1, 16, 1000, trailer), 500);
    ASSERT_TRUE(padded.has_value());
    EXPECT_EQ(Get32(*padded, 4), static_cast<std::uint32_t>(padded->size() - 8));
    EXPECT_EQ(Get32(*padded, 40), 4u + 1000u);
    EXPECT_EQ(padded->mid(44, 4).toStdString(), sound);
    EXPECT_EQ(padded->mid(48, 1000), QByteArray(1000, '\0'));
    EXPECT_EQ(padded->mid(1048).toStdString(), trailer);

    // 8-bit samples are unsigned: silence is 0x80, and an odd data size keeps its pad byte.
    const auto pcm8 = PadWithSilence(Wave(std::string("\xFF\x00\x7F", 3), 1, 8, 10), 100);
    ASSERT_TRUE(pcm8.has_value());
    EXPECT_EQ(Get32(*pcm8, 40), 4u);
    EXPECT_EQ(pcm8->mid(44, 4), QByteArray("\xFF\x00\x7F\x80", 4));
    EXPECT_EQ(pcm8->size(), 48);
}

TEST(WavePadding, WhatIsNotAWholePcmWaveIsLeftAlone) {
    const QByteArray good = Wave(std::string(100, '\x01'), 1, 16, 8000);
    EXPECT_FALSE(PadWithSilence(QByteArray(), 500).has_value());
    EXPECT_FALSE(PadWithSilence("RIFF....AVI LIST", 500).has_value());
    EXPECT_FALSE(PadWithSilence(good.left(good.size() - 10), 500).has_value()) << "data cut short";
    EXPECT_FALSE(PadWithSilence(Wave(std::string(100, '\x01'), 3, 32, 8000), 500).has_value()) << "float";
    EXPECT_TRUE(PadWithSilence(good, 500).has_value());
}

}  // namespace
}  // namespace common::qt
