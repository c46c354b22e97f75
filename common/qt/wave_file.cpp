// Walks a RIFF wave's chunks for its format and its samples, trusting no size the file gives.
#include "common/qt/wave_file.h"

namespace common::qt {
namespace {

constexpr std::uint16_t kWaveExtensible = 0xFFFE;
constexpr std::size_t kChunkHeader = 8;
constexpr std::size_t kShortFormat = 16;
// An extensible format: 16 bytes as above, its extra size, valid bits, channel mask, sub-format.
constexpr std::size_t kExtensibleFormat = 40;
constexpr std::size_t kSubFormatAt = 24;

std::uint16_t Read16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

std::uint32_t Read32(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint32_t>(Read16(bytes, at)) | (static_cast<std::uint32_t>(Read16(bytes, at + 2)) << 16);
}

}  // namespace

int WaveSound::Milliseconds() const {
    if (blockAlign == 0 || samplesPerSecond == 0) {
        return 0;
    }
    const std::uint64_t frames = samples.size() / blockAlign;
    return static_cast<int>(frames * 1000 / samplesPerSecond);
}

std::optional<WaveSound> ReadWave(std::string_view bytes) {
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE") {
        return std::nullopt;
    }
    std::optional<WaveSound> sound;
    for (std::size_t at = 12; at + kChunkHeader <= bytes.size();) {
        const std::string_view id = bytes.substr(at, 4);
        const std::uint32_t size = Read32(bytes, at + 4);
        const std::size_t body = at + kChunkHeader;
        const std::size_t inFile = bytes.size() - body;
        if (id == "fmt ") {
            if (size < kShortFormat || inFile < kShortFormat) {
                return std::nullopt;
            }
            sound.emplace();
            sound->formatTag = Read16(bytes, body);
            sound->channels = Read16(bytes, body + 2);
            sound->samplesPerSecond = Read32(bytes, body + 4);
            sound->blockAlign = Read16(bytes, body + 12);
            sound->bitsPerSample = Read16(bytes, body + 14);
            if (sound->formatTag == kWaveExtensible && size >= kExtensibleFormat && inFile >= kExtensibleFormat) {
                // The sub-format's identifier begins with the format tag it stands for.
                sound->formatTag = Read16(bytes, body + kSubFormatAt);
            }
        } else if (id == "data") {
            if (!sound || sound->channels == 0 || sound->samplesPerSecond == 0 || sound->blockAlign == 0) {
                return std::nullopt;
            }
            const std::size_t held = size < inFile ? size : inFile;
            sound->samples = bytes.substr(body, held - held % sound->blockAlign);
            return sound;
        }
        if (size > inFile) {
            return std::nullopt;
        }
        // A chunk of odd size is followed by a pad byte.
        at = body + size + (size & 1U);
    }
    return std::nullopt;
}

}  // namespace common::qt
