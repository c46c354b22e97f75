// Rebuilds a RIFF wave with a longer data chunk: the same format and sound, then silence.
#include "common/qt/wave_padding.h"

#include <cstdint>

namespace common::qt {
namespace {

constexpr std::uint16_t kPcmFormat = 1;

std::uint32_t Read32(const QByteArray& bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

std::uint16_t Read16(const QByteArray& bytes, qsizetype at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      (static_cast<unsigned char>(bytes[at + 1]) << 8));
}

void Write32(QByteArray& bytes, qsizetype at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

}  // namespace

std::optional<QByteArray> PadWithSilence(const QByteArray& wave, int milliseconds) {
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE" || milliseconds < 0) {
        return std::nullopt;
    }
    std::uint16_t format = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint32_t bytesPerSecond = 0;
    for (qsizetype at = 12; at + 8 <= wave.size();) {
        const QByteArray id = wave.mid(at, 4);
        const std::uint32_t size = Read32(wave, at + 4);
        const qsizetype body = at + 8;
        if (static_cast<std::uint64_t>(body) + size > static_cast<std::uint64_t>(wave.size())) {
            return std::nullopt;
        }
        if (id == "fmt " && size >= 16) {
            format = Read16(wave, body);
            bytesPerSecond = Read32(wave, body + 8);
            blockAlign = Read16(wave, body + 12);
            bitsPerSample = Read16(wave, body + 14);
        } else if (id == "data") {
            if (format != kPcmFormat || blockAlign == 0 || bytesPerSecond == 0) {
                return std::nullopt;
            }
            const std::uint64_t wanted = std::uint64_t{bytesPerSecond} * static_cast<std::uint64_t>(milliseconds) / 1000;
            const qsizetype silence = static_cast<qsizetype>(wanted - wanted % blockAlign);
            // 8-bit samples are unsigned: their silence is the middle value.
            const char quiet = bitsPerSample == 8 ? '\x80' : '\0';
            const std::uint32_t grown = size + static_cast<std::uint32_t>(silence);
            const qsizetype after = body + size + (size & 1);
            QByteArray padded = wave.left(body + size);
            padded.append(silence, quiet);
            if (grown & 1) {
                padded.append('\0');
            }
            padded.append(wave.mid(after));
            Write32(padded, at + 4, grown);
            Write32(padded, 4, static_cast<std::uint32_t>(padded.size() - 8));
            return padded;
        }
        at = body + size + (size & 1);
    }
    return std::nullopt;
}

}  // namespace common::qt
