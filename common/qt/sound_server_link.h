// The game's one connection to the desktop's sound server, served on a thread of its own.
#pragma once

#include <pulse/sample.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "common/qt/wave_file.h"

struct pa_context;
struct pa_mainloop;
struct pa_mainloop_api;
struct pa_operation;
struct pa_stream;
struct pa_time_event;

namespace common::qt {

using CueClock = std::chrono::steady_clock;

// A wave made ready for the sound server: the file's bytes, the sound in them and its format in
// the server's terms.
struct LoadedCue {
    std::string name;  // the file's name, which the server shows for the cue
    std::string bytes;
    WaveSound sound;  // points into bytes
    pa_sample_spec format{};
};

// Told once a cue has been played to its end, cut, dropped or found unplayable.
class CueEnd {
public:
    void Tell();
    // Waits until the cue has ended or the deadline has passed.
    void WaitUntil(CueClock::time_point deadline);

private:
    std::mutex lock_;
    std::condition_variable told_;
    bool ended_ = false;
};

struct CueRequest {
    std::shared_ptr<const LoadedCue> cue;
    // A cue that cannot start by then is dropped.
    CueClock::time_point latestStart;
    // Told when the cue ends; none for a cue nobody waits for.
    std::shared_ptr<CueEnd> end;
};

// Every call into the sound server's library happens on the link's own thread; the game's thread
// only hands it requests, so a server that is slow, stuck or gone never holds the game.
class SoundServerLink {
public:
    explicit SoundServerLink(std::string clientName);
    // Frees the link; only after Close has returned true.
    ~SoundServerLink();
    SoundServerLink(const SoundServerLink&) = delete;
    SoundServerLink& operator=(const SoundServerLink&) = delete;

    // True while the server answers: connected and ready for cues.
    bool Answering() const { return answering_; }
    // Hands the cue to the link's thread and returns at once; it cuts the cue still sounding.
    void Play(CueRequest request);
    // Cuts the cue still sounding, leaves the server and ends the thread. False when the thread
    // did not end within the given time (it is stuck in the server's library): the link must then
    // be left to the end of the process.
    bool Close(std::chrono::milliseconds patience);

private:
    struct Sounding {
        pa_stream* stream = nullptr;
        CueRequest request;
        std::size_t written = 0;
        pa_operation* draining = nullptr;
    };

    void Serve();
    void TakeRequests();
    void Connect();
    void Lost();
    void Leave();
    void Start(CueRequest request);
    void Feed();
    void EndSounding();
    static void Drop(std::optional<CueRequest>& request);

    static void ContextChanged(pa_context* context, void* link);
    static void Reconnect(pa_mainloop_api* api, pa_time_event* event, const struct timeval* at, void* link);
    static void StreamChanged(pa_stream* stream, void* link);
    static void StreamWants(pa_stream* stream, std::size_t bytes, void* link);
    static void StreamDrained(pa_stream* stream, int success, void* link);

    const std::string clientName_;
    pa_mainloop* loop_ = nullptr;
    std::atomic<bool> answering_{false};

    // Shared with the game's thread.
    std::mutex requestsLock_;
    std::vector<CueRequest> requests_;
    bool closing_ = false;
    CueEnd closed_;

    // The link's thread alone.
    pa_context* context_ = nullptr;
    pa_time_event* reconnect_ = nullptr;
    std::optional<CueRequest> waiting_;  // asked for before the server answered
    std::optional<Sounding> sounding_;
    // Set by the thread as its last act.
    std::atomic<bool> served_{false};

    std::thread thread_;
};

}  // namespace common::qt
