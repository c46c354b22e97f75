// Plays the games' wave cues through the desktop's sound server without the game ever waiting for the server.
#pragma once

#include <map>
#include <memory>
#include <string>

namespace common::qt {

class SoundServerLink;
struct LoadedCue;

class CuePlayer {
public:
    // Starts talking to the sound server in the background; clientName names the game to it.
    explicit CuePlayer(const std::string& clientName);
    ~CuePlayer();
    CuePlayer(const CuePlayer&) = delete;
    CuePlayer& operator=(const CuePlayer&) = delete;

    // Starts the wave and returns at once; a new cue cuts the one still sounding, as the system's
    // own cues do. A cue that cannot start within its own length is dropped.
    void Play(const std::string& path);
    // Plays the wave to its end, blocking the calling thread as the system's synchronous cue does:
    // no event, key or timer is handled meanwhile. Returns at once when the wave cannot be played
    // (no file, not a wave, no sound server answering), and when the cue has not ended twice its
    // length after it was asked for, whatever the sound server does.
    void PlayToEnd(const std::string& path);

private:
    std::shared_ptr<const LoadedCue> Load(const std::string& path);

    std::map<std::string, std::shared_ptr<const LoadedCue>> cues_;
    SoundServerLink* link_;  // owned; see the destructor
};

}  // namespace common::qt
