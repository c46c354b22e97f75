// The sound cues a game plays, as Wine's trace of the game's sound calls tells them, read from outside the game.
#pragma once

#include <string>
#include <vector>

namespace robot {

// The wave file of a cue (its name, beside the game) and the flags of the call: Scrambolo plays
// every cue asynchronously (1), Pebblix waits for each to end (0). A wave whose path the sound
// functions cannot open by name (128 characters or more, or outside the code page) is played from
// memory (4), recognised by its size.
struct Cue {
    std::string file;
    unsigned flags = 0;
};
inline constexpr unsigned kAsync = 1;
inline constexpr unsigned kSync = 0;
inline constexpr unsigned kMemory = 4;

// Expects exactly these cues, in this order, since the last cue check (or the start): waits for
// them to arrive, then a little longer to be sure no other follows. Each must have been read from
// its file: the trace gives the size of the wave read, which must be that file's.
// The harness names the trace file (E2E_CUE_TRACE) and the game's folder (E2E_GAME_FOLDER).
void ExpectCues(const std::vector<Cue>& expected);

// Expects no cue at all since the last cue check.
void ExpectNoCue();

}  // namespace robot
