// The anagram game's state, one set for the whole run, shared by the engine and the window's handlers.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "common/time_allowed.h"
#include "common/word_list.h"

namespace scrambolo {

// The letter-range values that select word lengths; any other value selects no word.
inline constexpr std::int32_t kRange34 = 34;
inline constexpr std::int32_t kRange45 = 45;
inline constexpr std::int32_t kRange56 = 56;
inline constexpr std::int32_t kRange6 = 6;
inline constexpr std::int32_t kAllRanges = -1;

struct GameState {
    common::WordList AllWords;                  // every entry of the word list, in file order
    std::vector<std::string_view> PlayWords;    // views of the entries that fit LetterRange, in file order
    std::int32_t CurrentWordIndex = 0;          // index into PlayWords of the word being played
    std::vector<std::string> ScrambledLetters;  // the dealt word's letters in shuffled order
    std::int32_t ActiveButton = 0;              // letter button (1 to 6) last focused or pressed
    bool SwapPending = false;                   // a first button was pressed and waits for its partner
    std::int32_t SwapFirst = 0;                 // the first button of a pending swap
    std::int32_t WordsGuessed = 0;              // words rebuilt in the current game
    std::int32_t TimeLimit = 0;                 // seconds allowed for the current word
    std::int64_t StartTime = 0;                 // date-time in whole seconds when the word's clock started
    std::int32_t ElapsedSeconds = 0;            // whole seconds since StartTime, as of the last tick
    std::int32_t HighScore = 0;                 // the best score so far
    std::int32_t HintsLeft = 0;                 // hints still to be had in this game
    std::int32_t LetterRange = 0;               // 34, 45, 56, 6 or -1
    common::TimeAllowedSetting TimeSetting{};   // each word's time: standard, or 2, 5 or 10 times as long
    std::string SystemDirectory;                // without a trailing separator
    std::string WordListPath;                   // SystemDirectory followed by "\jmsit32.dll"
};

}  // namespace scrambolo
