// Reading a saved score or setting so that one that is there but cannot be read is never replaced, and telling why a save failed.
#pragma once

#include <optional>
#include <string>

#include "common/system_port.h"

namespace common {

// What reading a saved file found. A file locked by another program, or one the disk failed to
// give back, is unreadable: the game goes on as if it were missing but must not write over it,
// since what it holds is not known. A file that reads but holds no valid value is not unreadable.
struct SavedFileRead {
    std::optional<std::string> text;
    bool unreadable = false;
};

SavedFileRead ReadSavedFile(SystemPort& system, const std::string& path);

// Where a save that did not succeed was going, for the message that tells the player: " in " and
// the path, or, for a path too long for the system, ": the path ... is too long".
std::string WhereNotSaved(const std::string& path, SaveOutcome outcome);

}  // namespace common
