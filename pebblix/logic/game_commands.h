// The hidden-word game's menus and shortcut keys as one table, which each edition builds its menu bar from and dispatches by.
#pragma once

#include "common/command_table.h"

namespace pebblix {

class Game;

// The ids of the menus and their items.
namespace command {
inline constexpr int kFileMenu = 100;
inline constexpr int kOptionsMenu = 101;
inline constexpr int kHelpMenu = 103;
inline constexpr int kFileNew = 200;
inline constexpr int kFileExit = 201;
inline constexpr int kOptionsSounds = 210;
inline constexpr int kHelpContents = 220;
inline constexpr int kHelpVisit = 221;
inline constexpr int kHelpAbout = 222;
}  // namespace command

// File (New Game on Ctrl+N, exit), Options (Sounds, checked as created; Time Allowed) and Help
// (Contents on F1).
const common::CommandTable<Game>& Commands();

}  // namespace pebblix
