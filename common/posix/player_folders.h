// Where a Linux game finds itself and keeps the player's files, with every folder name kept as its bytes.
#pragma once

#include <string>

#include "common/system_port.h"

namespace common::posix {

// The folder that holds the running program, without a trailing slash; empty when it cannot be told.
std::string ProgramFolder();

// The player's data folder: $XDG_DATA_HOME when it is an absolute path (a relative or empty one is
// invalid and ignored), else ~/.local/share, the home folder being $HOME when that is absolute and
// the password database's otherwise. Empty when no home folder can be found.
std::string PlayerDataFolder();

// Makes the folder and every missing folder above it, as the bytes of the path name them.
SaveOutcome MakeFolders(const std::string& folder);

}  // namespace common::posix
