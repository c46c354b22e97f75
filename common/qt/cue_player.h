// Plays the games' wave cues on a thread of their own, so a cue can be waited for without letting events through.
#pragma once

#include <QObject>
#include <QString>
#include <QThread>

#include <memory>

namespace common::qt {

class CueWorker;

class CuePlayer {
public:
    CuePlayer();
    ~CuePlayer();
    CuePlayer(const CuePlayer&) = delete;
    CuePlayer& operator=(const CuePlayer&) = delete;

    // Starts the wave and returns at once.
    void Play(const QString& path);
    // Plays the wave to its end, blocking the calling thread as the system's synchronous cue does:
    // no event, key or timer is handled meanwhile. Returns early when the wave cannot be played
    // (no file, no sound device), and never waits longer than the wave lasts plus a margin.
    void PlayToEnd(const QString& path);

private:
    QThread thread_;
    CueWorker* worker_ = nullptr;  // lives on thread_, deleted with it
};

}  // namespace common::qt
