// The end of a game that met a fault it cannot recover from, in the browser: one "Error" box, then the game stops for good.
#pragma once

#include <string>
#include <utility>

#include "common/fault_report.h"

namespace common::web {

// Shows the game's fault report in an "Error" box, modal over the whole page, then ends the game:
// the page says it has closed and the program never runs again until the page is loaded anew. No
// close handling runs and nothing more is written; the saved files are written whole or not at
// all, so none is left half written.
[[noreturn]] void EndAfterFault(const std::string& what);

// Runs one handler on behalf of a page event, which must never see an exception: a fault ends the game.
template <typename Handler>
void RunHandler(Handler&& handler) {
    common::RunHandler(std::forward<Handler>(handler), &EndAfterFault);
}

}  // namespace common::web
