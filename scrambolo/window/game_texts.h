// The texts the anagram game builds from its state: the clock, the hint patterns and the messages.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/saved_setting.h"

namespace scrambolo {

// "mm:ss": minutes with at least two digits, a colon, seconds with two digits (120 gives 02:00).
std::string FormatClock(std::int32_t seconds);

// The letter pattern of a word of 3 to 6 letters (cat c**, bird b**d, horse h*r**, planet p**n*t);
// nothing for any other length.
std::optional<std::string> HintPattern(std::string_view word);

std::string HighScoreMessage(std::int32_t highScore);

// The question at the end of a game, for a beaten high score or not; the missed word is the list's
// 8-bit text, the question UTF-8 as every message box's.
std::string TimeIsUpMessage(std::int32_t wordsGuessed, std::int32_t highScore, std::string_view word);

std::string AboutMessage();

// What the player is told when the letter range or the time allowed could not be saved.
common::SavedSetting::Messages LetterRangeMessages();
common::SavedSetting::Messages TimeAllowedMessages();

// The Help menu's web item, with the maker's name.
std::string WebMenuCaption();

// What the player is told when a fault the game cannot recover from ends it, with the fault's words.
std::string FaultMessage(const std::string& what);

}  // namespace scrambolo
