// Makes wave files into cues for the sound server, and holds the game for a synchronous one as long as it sounds.
#include "common/qt/cue_player.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <utility>

#include "common/qt/sound_server_link.h"
#include "common/text_file.h"

namespace common::qt {
namespace {

// Cues are short sounds; a larger file is not read, let alone played.
constexpr std::size_t kLargestCue = 16 * 1024 * 1024;
// Leaving the sound server takes no time; a link that has not left by then is stuck in its library.
constexpr std::chrono::milliseconds kClosingPatience{1000};

// The sound server's name for a wave's sample format; nothing for a format it does not play.
std::optional<pa_sample_format_t> ServerFormat(const WaveSound& sound) {
    if (sound.blockAlign * 8 != sound.bitsPerSample * sound.channels) {
        return std::nullopt;
    }
    switch (sound.formatTag) {
        case kWavePcm:
            switch (sound.bitsPerSample) {
                case 8:
                    return PA_SAMPLE_U8;
                case 16:
                    return PA_SAMPLE_S16LE;
                case 24:
                    return PA_SAMPLE_S24LE;
                case 32:
                    return PA_SAMPLE_S32LE;
                default:
                    return std::nullopt;
            }
        case kWaveFloat:
            return sound.bitsPerSample == 32 ? std::optional(PA_SAMPLE_FLOAT32LE) : std::nullopt;
        case kWaveALaw:
            return sound.bitsPerSample == 8 ? std::optional(PA_SAMPLE_ALAW) : std::nullopt;
        case kWaveMuLaw:
            return sound.bitsPerSample == 8 ? std::optional(PA_SAMPLE_ULAW) : std::nullopt;
        default:
            return std::nullopt;
    }
}

std::chrono::microseconds Length(const WaveSound& sound) {
    const std::uint64_t frames = sound.samples.size() / sound.blockAlign;
    return std::chrono::microseconds(frames * 1'000'000 / sound.samplesPerSecond);
}

std::string FileName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

CuePlayer::CuePlayer(const std::string& clientName) : link_(new SoundServerLink(clientName)) {}

CuePlayer::~CuePlayer() {
    // A link stuck in the sound server's library (a server name that never resolves, say) is left
    // to the end of the process, which is near: closing the game never waits for the server.
    if (link_->Close(kClosingPatience)) {
        delete link_;
    }
}

void CuePlayer::Play(const std::string& path) {
    const std::shared_ptr<const LoadedCue> cue = Load(path);
    if (cue != nullptr) {
        link_->Play({cue, CueClock::now() + Length(cue->sound), nullptr});
    }
}

void CuePlayer::PlayToEnd(const std::string& path) {
    const std::shared_ptr<const LoadedCue> cue = Load(path);
    // Not yet connected, or a server that does not answer: the cue is silence, at once.
    if (cue == nullptr || !link_->Answering()) {
        return;
    }
    const auto asked = CueClock::now();
    const auto length = Length(cue->sound);
    auto end = std::make_shared<CueEnd>();
    link_->Play({cue, asked + length, end});
    // It ends when the server has played it. A server that stops answering meanwhile holds the
    // game no longer than the cue's own length to start and its length again to sound.
    end->WaitUntil(asked + 2 * length);
}

std::shared_ptr<const LoadedCue> CuePlayer::Load(const std::string& path) {
    const auto found = cues_.find(path);
    if (found != cues_.end()) {
        return found->second;
    }
    // Read once: the cues beside the game do not change while it runs, and one that cannot be
    // played is silence every time.
    std::shared_ptr<const LoadedCue>& kept = cues_[path];
    std::optional<std::string> bytes = ReadWholeFile(path, kLargestCue);
    if (!bytes || bytes->size() > kLargestCue) {
        return kept;
    }
    auto cue = std::make_shared<LoadedCue>();
    cue->name = FileName(path);
    cue->bytes = std::move(*bytes);
    const std::optional<WaveSound> sound = ReadWave(cue->bytes);
    if (!sound || sound->samples.empty() || sound->channels > PA_CHANNELS_MAX) {
        return kept;
    }
    const std::optional<pa_sample_format_t> format = ServerFormat(*sound);
    if (!format) {
        return kept;
    }
    cue->sound = *sound;
    cue->format = {*format, sound->samplesPerSecond, static_cast<std::uint8_t>(sound->channels)};
    if (pa_sample_spec_valid(&cue->format) == 0) {
        return kept;
    }
    kept = std::move(cue);
    return kept;
}

}  // namespace common::qt
