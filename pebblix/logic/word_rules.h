// The pure rules of a round: normalising a guess, the refusal tests, the time allowed and the draw.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/time_allowed.h"

namespace pebblix {

// Blanks (the space character only) removed at both ends, then A to Z lowered.
std::string NormaliseGuess(std::string_view typed);

// The word itself, or the word without its final "s".
bool IsWordOrSingular(std::string_view guess, std::string_view word);

// The word itself, or the word without a final "er", "ed" or "es".
bool IsWordOrEndingStem(std::string_view guess, std::string_view word);

// True when every character of the guess can be taken from the word, each used at most once.
bool LettersAvailable(std::string_view guess, std::string_view CurrentWord);

// One- and two-letter guesses are limited per game.
inline bool IsShortGuess(std::string_view guess) { return guess.size() <= 2; }
inline constexpr std::int16_t kShortWordsAllowed = 10;

// Milliseconds allowed for a word dealt at this score: 15 s up to 100 points, then 2 s less per
// hundred points, down to 5 s above 500; each multiplied by the time setting's factor (150 s down
// to 50 s at ten times as long).
int TimeAllowed(std::int16_t Score, common::TimeAllowedSetting setting = common::TimeAllowedSetting::Standard);

// The slot for a draw r in [0, 1): the integer part of r x WordCount, plus 1.
std::int32_t SlotFromDraw(double r, std::int32_t WordCount);

}  // namespace pebblix
