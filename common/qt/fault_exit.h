// The end of a game that met a fault it cannot recover from, on Linux: one "Error" box, then the process ends.
#pragma once

#include <string>
#include <utility>

#include "common/fault_report.h"

namespace common::qt {

// Shows the game's fault report in an "Error" box, then ends the process: no close handling runs
// and nothing more is written. The saved files are replaced whole or not at all, so none is left
// half written.
[[noreturn]] void EndAfterFault(const std::string& what);

// Runs one handler on behalf of a Qt event, which must never see an exception: a fault ends the game.
template <typename Handler>
void RunHandler(Handler&& handler) {
    common::RunHandler(std::forward<Handler>(handler), &EndAfterFault);
}

}  // namespace common::qt
