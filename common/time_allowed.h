// The player's choice of how long each word's time runs, shared by both games: its factor, its saved file, and the names that keep each choice's best apart.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/system_port.h"

namespace common {

// The four items of the "&Time Allowed" menu, in menu order. Standard is the time of the games
// as they always were; the others multiply it, so that a player who types slowly (a screen
// reader's speech, a phone's search for every letter) can still finish a word.
enum class TimeAllowedSetting { Standard, TwiceAsLong, FiveTimesAsLong, TenTimesAsLong };

inline constexpr std::array<TimeAllowedSetting, 4> kTimeAllowedSettings{
    TimeAllowedSetting::Standard, TimeAllowedSetting::TwiceAsLong, TimeAllowedSetting::FiveTimesAsLong,
    TimeAllowedSetting::TenTimesAsLong};

// The submenu's caption, after what Options held before, and its items' captions.
inline constexpr const char* kTimeAllowedMenuCaption = "&Time Allowed";
const char* TimeAllowedItemCaption(TimeAllowedSetting setting);

// The ids of the submenu and its items in both games' command tables, Standard's first.
inline constexpr int kTimeAllowedMenuId = 229;
inline constexpr int TimeAllowedCommand(TimeAllowedSetting setting) { return 230 + static_cast<int>(setting); }

// How many times the standard time each word is given: 1, 2, 5 or 10.
int TimeFactor(TimeAllowedSetting setting);

// The name of a saved file kept apart for each setting: Standard's is the name as it stands, a
// longer setting's has its factor before the extension ("highscore.dat", "highscore2.dat",
// "highscore10.dat"), so that a best earned with more time never counts against Standard's.
std::string FileNameForSetting(std::string_view standardName, TimeAllowedSetting setting);

// The setting file's bytes: the factor as one decimal line ("2\r\n").
std::string FormatTimeAllowedFile(TimeAllowedSetting setting);

// The setting a file read at start-up holds. A missing or bad file, or any factor but 1, 2, 5 and
// 10, is Standard.
TimeAllowedSetting TimeAllowedFromFile(const std::optional<std::string>& text);

// What the setting's file is to hold: any setting but Standard, and Standard where a setting file
// is already there (it replaces an earlier choice); nothing otherwise, so that a player who never
// chose has no file.
std::optional<std::string> TimeAllowedBytes(SystemPort& system, const std::string& path, TimeAllowedSetting setting);

}  // namespace common
