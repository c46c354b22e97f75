// The hidden-word game's state, one instance for the whole run, with the names every handler uses.
#pragma once

#include <cstdint>
#include <string>

#include "common/time_allowed.h"
#include "pebblix/logic/dictionary.h"

namespace pebblix {

inline constexpr const char* kDictionaryFile = "mswnby32.dll";
inline constexpr const char* kOptionsFile = "pebblixoptions.dat";
inline constexpr const char* kScoreFile = "pebblixscor.dat";
// The time setting, beside the options; each longer setting keeps its best apart from Standard's,
// in pebblixscor2.dat, pebblixscor5.dat and pebblixscor10.dat.
inline constexpr const char* kTimeAllowedFile = "pebblixtime.dat";
inline constexpr const char* kRightSound = "right.wav";
inline constexpr const char* kWrongSound = "wrong.wav";
inline constexpr const char* kGameOverSound = "gameover.wav";
inline constexpr const char* kHelpFile = "readme.txt";

struct GameState {
    std::string SystemDirectory;
    WordTable AllWords;  // slots 1 to WordCount, in ascending code order
    std::int32_t WordCount = 0;
    std::string CurrentWord;
    std::int16_t Score = 0;
    std::int16_t ShortWordsUsed = 0;
    std::int16_t WordsGuessed = 0;
    bool SoundsOn = true;
    common::TimeAllowedSetting TimeSetting{};  // each word's time: standard, or 2, 5 or 10 times as long
};

}  // namespace pebblix
