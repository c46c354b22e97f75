// The sound of a RIFF wave file, as its chunks give it: the format of its samples and the samples.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace common::qt {

// The format tags of a wave's "fmt " chunk that the games' cues may use.
inline constexpr std::uint16_t kWavePcm = 1;
inline constexpr std::uint16_t kWaveFloat = 3;
inline constexpr std::uint16_t kWaveALaw = 6;
inline constexpr std::uint16_t kWaveMuLaw = 7;

struct WaveSound {
    // As the "fmt " chunk names it; for a WAVE_FORMAT_EXTENSIBLE wave, its sub-format.
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSecond = 0;
    // The bytes of one frame: one sample of every channel.
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    // The whole frames of the "data" chunk, within the bytes that were read.
    std::string_view samples;

    int Milliseconds() const;
};

// The sound of a wave file's bytes: its "fmt " chunk and, after it, its "data" chunk, other chunks
// passed over. A data chunk cut short by the end of the file plays as far as it goes. Nothing when
// the bytes are no RIFF wave or hold no format with channels, a rate and frames before the data.
std::optional<WaveSound> ReadWave(std::string_view bytes);

}  // namespace common::qt
