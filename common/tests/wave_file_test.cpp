// Wave reading: the format and whole frames of the data, other chunks passed over, broken files refused.
#include "common/qt/wave_file.h"

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

std::string Chunk(const std::string& id, const std::string& body) {
    std::string chunk = id;
    Put32(chunk, static_cast<std::uint32_t>(body.size()));
    chunk += body;
    if (body.size() % 2 == 1) {
        chunk += '\0';
    }
    return chunk;
}

std::string Format(std::uint16_t tag, std::uint16_t channels, std::uint32_t rate, std::uint16_t bits) {
    const auto blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
    std::string format;
    Put16(format, tag);
    Put16(format, channels);
    Put32(format, rate);
    Put32(format, rate * blockAlign);
    Put16(format, blockAlign);
    Put16(format, bits);
    return format;
}

std::string Riff(const std::string& chunks) {
    std::string wave = "RIFF";
    Put32(wave, static_cast<std::uint32_t>(4 + chunks.size()));
    return wave + "WAVE" + chunks;
}

TEST(WaveFile, TheFormatAndTheSamplesOfTheDataChunk) {
    // 16-bit mono at 1000 samples a second; a chunk of odd size with its pad byte before the data.
    const std::string samples("\x10\x27\xF0\xD8\x00\x01", 6);
    const std::string bytes = Riff(Chunk("fmt ", Format(kWavePcm, 1, 1000, 16)) + Chunk("LIST", "INFOa") +
                                   Chunk("data", samples) + Chunk("id3 ", "tag"));
    const auto sound = ReadWave(bytes);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->formatTag, kWavePcm);
    EXPECT_EQ(sound->channels, 1);
    EXPECT_EQ(sound->samplesPerSecond, 1000u);
    EXPECT_EQ(sound->blockAlign, 2);
    EXPECT_EQ(sound->bitsPerSample, 16);
    EXPECT_EQ(sound->samples, samples);
    EXPECT_EQ(sound->Milliseconds(), 3);

    // An extensible wave is read by its sub-format: here 32-bit float in stereo.
    std::string extensible = Format(0xFFFE, 2, 48000, 32);
    Put16(extensible, 22);
    Put16(extensible, 32);
    Put32(extensible, 3);
    Put16(extensible, kWaveFloat);
    extensible += std::string("\x00\x00\x00\x00\x10\x00\x80\x00\x00\xAA\x00\x38\x9B\x71", 14);
    const auto floats = ReadWave(Riff(Chunk("fmt ", extensible) + Chunk("data", std::string(48 * 8 * 10, '\0'))));
    ASSERT_TRUE(floats.has_value());
    EXPECT_EQ(floats->formatTag, kWaveFloat);
    EXPECT_EQ(floats->Milliseconds(), 10);
}

TEST(WaveFile, DataCutShortPlaysItsWholeFrames) {
    // The data chunk claims 400 bytes; 10 are there, two and a half stereo frames of 16 bits.
    std::string bytes = Riff(Chunk("fmt ", Format(kWavePcm, 2, 8000, 16)));
    bytes += "data";
    Put32(bytes, 400);
    bytes += std::string(10, '\x01');
    const auto sound = ReadWave(bytes);
    ASSERT_TRUE(sound.has_value());
    EXPECT_EQ(sound->samples.size(), 8u);
}

TEST(WaveFile, WhatIsNoWaveWithFormatAndDataIsRefused) {
    const std::string format = Chunk("fmt ", Format(kWavePcm, 1, 8000, 8));
    const std::string data = Chunk("data", "abcd");
    ASSERT_TRUE(ReadWave(Riff(format + data)).has_value());
    EXPECT_FALSE(ReadWave("").has_value());
    EXPECT_FALSE(ReadWave(std::string("RIFF\x10\0\0\0AVI LIST", 16)).has_value());
    EXPECT_FALSE(ReadWave(Riff(data + format)).has_value()) << "data before its format";
    EXPECT_FALSE(ReadWave(Riff(format)).has_value()) << "no data";
    const std::string shortFormat = Chunk("fmt ", std::string("\x01\x00\x01\x00", 4));
    EXPECT_FALSE(ReadWave(Riff(shortFormat + data)).has_value()) << "format too short";
    EXPECT_FALSE(ReadWave(Riff(Chunk("fmt ", Format(kWavePcm, 0, 8000, 8)) + data)).has_value()) << "no channel";
    EXPECT_FALSE(ReadWave(Riff(Chunk("fmt ", Format(kWavePcm, 1, 0, 8)) + data)).has_value()) << "no rate";
    EXPECT_FALSE(ReadWave(Riff(Chunk("fmt ", Format(kWavePcm, 1, 8000, 0)) + data)).has_value()) << "no frame";
    std::string runaway = Riff(format) + "LIST";
    Put32(runaway, 0xFFFFFFF0);
    EXPECT_FALSE(ReadWave(runaway + data).has_value()) << "a chunk that runs past the end hides the data";
}

}  // namespace
}  // namespace common::qt
