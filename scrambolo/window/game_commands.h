// The anagram game's menus and shortcut key as one table, which each edition builds its menu bar from and dispatches by.
#pragma once

#include <array>

#include "common/command_table.h"
#include "common/time_allowed.h"

namespace scrambolo {

class Game;

// The ids of the menus and their items.
namespace command {
inline constexpr int kFileMenu = 100;
inline constexpr int kOptionsMenu = 101;
inline constexpr int kNumberOfLettersMenu = 102;
inline constexpr int kHelpMenu = 103;
inline constexpr int kFileExit = 200;
inline constexpr int kOptions34 = 210;
inline constexpr int kOptions45 = 211;
inline constexpr int kOptions56 = 212;
inline constexpr int kOptions6 = 213;
inline constexpr int kOptionsAllRanges = 214;
inline constexpr int kHelpContents = 220;
inline constexpr int kHelpWeb = 221;
inline constexpr int kHelpAbout = 222;
// The five letter-range items, in menu order.
inline constexpr std::array<int, 5> kLetterRanges{kOptions34, kOptions45, kOptions56, kOptions6, kOptionsAllRanges};
}  // namespace command

// File, Options (Number Of Letters, Time Allowed) and Help, with F1 for Contents.
const common::CommandTable<Game>& Commands();

}  // namespace scrambolo
