// Plays cues on the sound server through libpulse, its own event loop run on the link's thread.
#include "common/qt/sound_server_link.h"

#include <pulse/pulseaudio.h>

#include <cstdint>
#include <string_view>
#include <utility>

namespace common::qt {
namespace {

// A server that failed or went away is asked again after this long: a desktop's sound server may
// be restarted while the game runs, and one that never answers is given up by libpulse in 30 s.
constexpr pa_usec_t kReconnectDelay = 3 * PA_USEC_PER_SEC;
// How far ahead of the loudspeaker the server is given a cue's samples.
constexpr pa_usec_t kCueLatency = 40 * PA_USEC_PER_MSEC;

// A stream cut before the server had made it is left once the server has; until then the server
// would take a disconnection for a mistake and keep the stream for the life of the connection.
void LeaveOnceMade(pa_stream* stream, void*) {
    const pa_stream_state_t state = pa_stream_get_state(stream);
    if (state == PA_STREAM_CREATING) {
        return;
    }
    pa_stream_set_state_callback(stream, nullptr, nullptr);
    if (state == PA_STREAM_READY) {
        pa_stream_disconnect(stream);
    }
    pa_stream_unref(stream);
}

}  // namespace

void CueEnd::Tell() {
    {
        const std::lock_guard held(lock_);
        ended_ = true;
    }
    told_.notify_all();
}

void CueEnd::WaitUntil(CueClock::time_point deadline) {
    std::unique_lock held(lock_);
    told_.wait_until(held, deadline, [this] { return ended_; });
}

SoundServerLink::SoundServerLink(std::string clientName)
    : clientName_(std::move(clientName)), loop_(pa_mainloop_new()), thread_([this] { Serve(); }) {}

SoundServerLink::~SoundServerLink() {
    if (thread_.joinable()) {
        thread_.join();
    }
    if (loop_ != nullptr) {
        pa_mainloop_free(loop_);
    }
}

void SoundServerLink::Play(CueRequest request) {
    {
        const std::lock_guard held(requestsLock_);
        requests_.push_back(std::move(request));
    }
    // The one call the loop takes from another thread: it wakes the loop's wait.
    if (loop_ != nullptr) {
        pa_mainloop_wakeup(loop_);
    }
}

bool SoundServerLink::Close(std::chrono::milliseconds patience) {
    {
        const std::lock_guard held(requestsLock_);
        closing_ = true;
    }
    if (loop_ != nullptr) {
        pa_mainloop_wakeup(loop_);
    }
    closed_.WaitUntil(CueClock::now() + patience);
    if (!served_) {
        thread_.detach();
        return false;
    }
    thread_.join();
    return true;
}

void SoundServerLink::Serve() {
    if (loop_ != nullptr) {
        Connect();
        while (pa_mainloop_iterate(loop_, 1, nullptr) >= 0) {
            TakeRequests();
        }
    }
    served_ = true;
    closed_.Tell();
}

void SoundServerLink::TakeRequests() {
    std::vector<CueRequest> taken;
    bool closing = false;
    {
        const std::lock_guard held(requestsLock_);
        taken.swap(requests_);
        closing = closing_;
    }
    for (CueRequest& request : taken) {
        if (closing) {
            std::optional<CueRequest> dropped(std::move(request));
            Drop(dropped);
        } else {
            Start(std::move(request));
        }
    }
    if (closing) {
        Leave();
    }
}

void SoundServerLink::Connect() {
    context_ = pa_context_new(pa_mainloop_get_api(loop_), clientName_.c_str());
    if (context_ == nullptr) {
        Lost();
        return;
    }
    pa_context_set_state_callback(context_, ContextChanged, this);
    // Without a server running, libpulse would start one itself and wait for it inside this call;
    // a desktop with sound has its server running, or started by the desktop on first contact.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        Lost();
    }
}

void SoundServerLink::ContextChanged(pa_context* context, void* link) {
    auto* self = static_cast<SoundServerLink*>(link);
    switch (pa_context_get_state(context)) {
        case PA_CONTEXT_READY:
            self->answering_ = true;
            if (self->waiting_) {
                CueRequest request = std::move(*self->waiting_);
                self->waiting_.reset();
                self->Start(std::move(request));
            }
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            self->Lost();
            break;
        default:
            break;
    }
}

void SoundServerLink::Lost() {
    answering_ = false;
    EndSounding();
    Drop(waiting_);
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
    }
    if (reconnect_ == nullptr) {
        timeval at{};
        pa_gettimeofday(&at);
        pa_timeval_add(&at, kReconnectDelay);
        pa_mainloop_api* api = pa_mainloop_get_api(loop_);
        reconnect_ = api->time_new(api, &at, Reconnect, this);
    }
}

void SoundServerLink::Reconnect(pa_mainloop_api* api, pa_time_event* event, const struct timeval*, void* link) {
    auto* self = static_cast<SoundServerLink*>(link);
    api->time_free(event);
    self->reconnect_ = nullptr;
    // Let go of the failed connection here, outside its own callbacks.
    if (self->context_ != nullptr) {
        pa_context_unref(self->context_);
        self->context_ = nullptr;
    }
    self->Connect();
}

void SoundServerLink::Leave() {
    answering_ = false;
    EndSounding();
    Drop(waiting_);
    pa_mainloop_api* api = pa_mainloop_get_api(loop_);
    if (reconnect_ != nullptr) {
        api->time_free(reconnect_);
        reconnect_ = nullptr;
    }
    if (context_ != nullptr) {
        pa_context_set_state_callback(context_, nullptr, nullptr);
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
    pa_mainloop_quit(loop_, 0);
}

void SoundServerLink::Start(CueRequest request) {
    EndSounding();
    Drop(waiting_);
    if (CueClock::now() > request.latestStart) {
        std::optional<CueRequest> late(std::move(request));
        Drop(late);
        return;
    }
    if (!answering_) {
        // Asked for while the connection is being made: it starts once the server answers, if
        // that is soon enough.
        waiting_ = std::move(request);
        return;
    }
    const LoadedCue& cue = *request.cue;
    pa_stream* stream = pa_stream_new(context_, cue.name.c_str(), &cue.format, nullptr);
    if (stream == nullptr) {
        std::optional<CueRequest> unplayable(std::move(request));
        Drop(unplayable);
        return;
    }
    pa_stream_set_state_callback(stream, StreamChanged, this);
    pa_stream_set_write_callback(stream, StreamWants, this);
    sounding_ = Sounding{stream, std::move(request)};
    // A short buffer, and the server's own latency fitted to it: the cue sounds as it is asked for,
    // and its end is heard when the drain says so, not a buffer's length after.
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<std::uint32_t>(-1);
    buffer.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(kCueLatency, &cue.format));
    buffer.prebuf = static_cast<std::uint32_t>(-1);
    buffer.minreq = static_cast<std::uint32_t>(-1);
    buffer.fragsize = static_cast<std::uint32_t>(-1);
    if (pa_stream_connect_playback(stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr, nullptr) < 0) {
        EndSounding();
    }
}

void SoundServerLink::StreamChanged(pa_stream* stream, void* link) {
    auto* self = static_cast<SoundServerLink*>(link);
    if (!self->sounding_ || self->sounding_->stream != stream) {
        return;
    }
    switch (pa_stream_get_state(stream)) {
        case PA_STREAM_READY:
            // A cue that could not start within its own length would come too late to mean anything.
            if (CueClock::now() > self->sounding_->request.latestStart) {
                self->EndSounding();
            }
            break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            self->EndSounding();
            break;
        default:
            break;
    }
}

void SoundServerLink::StreamWants(pa_stream* stream, std::size_t, void* link) {
    auto* self = static_cast<SoundServerLink*>(link);
    if (self->sounding_ && self->sounding_->stream == stream) {
        self->Feed();
    }
}

void SoundServerLink::Feed() {
    // The whole cue goes to the server at its first request, more than the short buffer asks
    // for: held there, it plays through however busy the machine is. Handed over a buffer at a
    // time, a refill that came late left a gap in the middle of the cue.
    Sounding& sounding = *sounding_;
    const std::string_view samples = sounding.request.cue->sound.samples;
    const std::size_t count = samples.size() - sounding.written;
    if (count > 0) {
        if (pa_stream_write(sounding.stream, samples.data() + sounding.written, count, nullptr, 0, PA_SEEK_RELATIVE) <
            0) {
            EndSounding();
            return;
        }
        sounding.written += count;
    }
    if (sounding.written == samples.size() && sounding.draining == nullptr) {
        // The drain is done once the server has played the last sample: the cue has been heard
        // to its end, and is let go of only then.
        sounding.draining = pa_stream_drain(sounding.stream, StreamDrained, this);
        if (sounding.draining == nullptr) {
            EndSounding();
        }
    }
}

void SoundServerLink::StreamDrained(pa_stream* stream, int, void* link) {
    auto* self = static_cast<SoundServerLink*>(link);
    if (!self->sounding_ || self->sounding_->stream != stream) {
        return;
    }
    pa_operation_unref(self->sounding_->draining);
    self->sounding_->draining = nullptr;
    self->EndSounding();
}

void SoundServerLink::EndSounding() {
    if (!sounding_) {
        return;
    }
    Sounding ending = std::move(*sounding_);
    sounding_.reset();
    if (ending.draining != nullptr) {
        pa_operation_cancel(ending.draining);
        pa_operation_unref(ending.draining);
    }
    pa_stream_set_write_callback(ending.stream, nullptr, nullptr);
    if (pa_stream_get_state(ending.stream) == PA_STREAM_CREATING) {
        pa_stream_set_state_callback(ending.stream, LeaveOnceMade, nullptr);
    } else {
        LeaveOnceMade(ending.stream, nullptr);
    }
    std::optional<CueRequest> ended(std::move(ending.request));
    Drop(ended);
}

void SoundServerLink::Drop(std::optional<CueRequest>& request) {
    if (request && request->end) {
        request->end->Tell();
    }
    request.reset();
}

}  // namespace common::qt
