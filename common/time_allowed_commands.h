// The "&Time Allowed" submenu as entries of a game's command table, and its radio marks, the same in both games.
#pragma once

#include <vector>

#include "common/command_table.h"
#include "common/time_allowed.h"

namespace common {

// The submenu, in the menu with the given id, and its four radio items, each picking its setting
// through the game's mnuTimeAllowed_Click.
template <class Game>
std::vector<typename CommandTable<Game>::Command> TimeAllowedCommands(int menu) {
    std::vector<typename CommandTable<Game>::Command> commands{
        {{kTimeAllowedMenuId, menu, kTimeAllowedMenuCaption, CommandKind::Submenu}, nullptr}};
    for (const TimeAllowedSetting setting : kTimeAllowedSettings) {
        commands.push_back(
            {{TimeAllowedCommand(setting), kTimeAllowedMenuId, TimeAllowedItemCaption(setting), CommandKind::RadioItem},
             [setting](Game& game) { game.mnuTimeAllowed_Click(setting); }});
    }
    return commands;
}

// Checks the setting's item and clears the other three.
inline void CheckTimeAllowed(MenuChecks& menus, TimeAllowedSetting checked) {
    for (const TimeAllowedSetting setting : kTimeAllowedSettings) {
        menus.SetMenuCheck(TimeAllowedCommand(setting), setting == checked);
    }
}

}  // namespace common
