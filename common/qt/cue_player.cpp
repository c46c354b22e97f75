// Wave cues through Qt Multimedia on a thread of their own; a cue that cannot play is silence, never a wait or an error.
#include "common/qt/cue_player.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSemaphore>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <utility>

#include "common/qt/wave_padding.h"

namespace common::qt {
namespace {

// Past its own length a waited-for cue is given this much more, for the sound output's own delay,
// before play goes on regardless.
constexpr int kMarginMilliseconds = 250;
// Qt Multimedia ends a cue's stream once it has handed over the last sample, and the sound server
// drops what it had not played yet: some 0.1 s, most of a short click. Silence after each cue is
// what gets dropped instead.
constexpr int kTailSilenceMilliseconds = 500;
// Cues are small; a file larger than this is played as it is.
constexpr qint64 kLargestPaddedWave = 16 * 1024 * 1024;
// A wave whose length cannot be read is waited for at most this long.
constexpr int kUnknownLengthMilliseconds = 2000;

std::uint32_t LittleEndian32(const QByteArray& bytes, qsizetype at) {
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
}

// The length of a RIFF wave in milliseconds, from its format and data chunks; -1 when unreadable.
int WaveMilliseconds(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QByteArray bytes = file.read(64 * 1024);
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") {
        return -1;
    }
    std::uint32_t bytesPerSecond = 0;
    std::uint32_t dataBytes = 0;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const std::uint32_t size = LittleEndian32(bytes, at + 4);
        if (id == "fmt " && at + 16 <= bytes.size()) {
            bytesPerSecond = LittleEndian32(bytes, at + 8 + 8);
        } else if (id == "data") {
            dataBytes = size;
            break;
        }
        at += 8 + static_cast<qsizetype>(size) + (size & 1);
    }
    if (bytesPerSecond == 0 || dataBytes == 0) {
        return -1;
    }
    return static_cast<int>(std::uint64_t{dataBytes} * 1000 / bytesPerSecond);
}

}  // namespace

// Owns the sound effects; all of its work happens on the cue thread.
class CueWorker : public QObject {
public:
    explicit CueWorker(const QAudioDevice& device) : device_(device) {}

    // A new cue cuts the one still sounding, as the system's own cues do. finished, when given,
    // is released once the cue has ended or cannot be played.
    void Play(const QString& path, std::shared_ptr<QSemaphore> finished) {
        ReleaseWaiter();
        for (auto& [each, effect] : effects_) {
            if (effect->isPlaying()) {
                effect->stop();
            }
        }
        QSoundEffect* effect = EffectFor(path);
        waiter_ = std::move(finished);
        current_ = effect;
        started_ = false;
        if (effect->status() == QSoundEffect::Error || device_.isNull()) {
            ReleaseWaiter();
            return;
        }
        effect->play();
    }

private:
    QSoundEffect* EffectFor(const QString& path) {
        auto found = effects_.find(path);
        if (found != effects_.end()) {
            return found->second;
        }
        auto* effect = new QSoundEffect(device_, this);
        QObject::connect(effect, &QSoundEffect::playingChanged, this, [this, effect] {
            if (effect != current_) {
                return;
            }
            if (effect->isPlaying()) {
                started_ = true;
            } else if (started_) {
                ReleaseWaiter();
            }
        });
        QObject::connect(effect, &QSoundEffect::statusChanged, this, [this, effect] {
            if (effect == current_ && effect->status() == QSoundEffect::Error) {
                ReleaseWaiter();
            }
        });
        effect->setSource(QUrl::fromLocalFile(WithTailSilence(path)));
        effects_.emplace(path, effect);
        return effect;
    }

    // A copy of the wave with silence after it, made once; the wave itself when no copy can be made.
    QString WithTailSilence(const QString& path) {
        QFile wave(path);
        if (!copies_.isValid() || !wave.open(QIODevice::ReadOnly) || wave.size() > kLargestPaddedWave) {
            return path;
        }
        const std::optional<QByteArray> padded = PadWithSilence(wave.readAll(), kTailSilenceMilliseconds);
        QFile copy(copies_.filePath(QString::number(effects_.size()) + ".wav"));
        if (!padded || !copy.open(QIODevice::WriteOnly) || copy.write(*padded) != padded->size()) {
            return path;
        }
        return copy.fileName();
    }

    void ReleaseWaiter() {
        if (waiter_) {
            waiter_->release();
            waiter_.reset();
        }
    }

    QAudioDevice device_;
    QTemporaryDir copies_;
    std::map<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
    std::shared_ptr<QSemaphore> waiter_;
    bool started_ = false;
};

CuePlayer::CuePlayer() {
    // Qt Multimedia sets itself up on the thread that first asks it for a device: let that be the
    // program's own thread, before the cue thread starts.
    worker_ = new CueWorker(QMediaDevices::defaultAudioOutput());
    worker_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

CuePlayer::~CuePlayer() {
    thread_.quit();
    thread_.wait();
}

void CuePlayer::Play(const QString& path) {
    QMetaObject::invokeMethod(worker_, [worker = worker_, path] { worker->Play(path, nullptr); }, Qt::QueuedConnection);
}

void CuePlayer::PlayToEnd(const QString& path) {
    const int length = WaveMilliseconds(path);
    if (length < 0 && !QFile::exists(path)) {
        return;
    }
    // Shared with the cue thread, which may release it after this wait has given up.
    auto finished = std::make_shared<QSemaphore>();
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, path, finished] { worker->Play(path, finished); }, Qt::QueuedConnection);
    finished->tryAcquire(1, (length < 0 ? kUnknownLengthMilliseconds : length) + kMarginMilliseconds);
}

}  // namespace common::qt
