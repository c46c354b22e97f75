// The end of a game that met a fault it cannot recover from, on Windows: one "Error" box, then the process ends.
#pragma once

#include <string>
#include <utility>

#include "common/fault_report.h"

namespace common::win32 {

// Shows the game's fault report in an "Error" box, then ends the process: no close handling runs
// and nothing more is written. The saved files are replaced whole or not at all, so none is left
// half written.
[[noreturn]] void EndAfterFault(const std::string& what);

// Runs one handler on behalf of Windows: a fault ends the game.
template <typename Handler>
void RunHandler(Handler&& handler) {
    common::RunHandler(std::forward<Handler>(handler), &EndAfterFault);
}

}  // namespace common::win32
