// Lets no exception leave a Qt event: a fault ends the game with a message, its saved files untouched.
#pragma once

#include <utility>

#include "common/qt/fault_box.h"

namespace scrambolo::qt {

// Tells the player that something went wrong that the game cannot recover from, and ends it.
// The saved files are replaced whole or not at all, so none is left half written.
[[noreturn]] void EndAfterFault(const char* what);

// Runs one handler on behalf of a Qt event.
template <typename Handler>
void RunHandler(Handler&& handler) {
    common::qt::RunHandler(std::forward<Handler>(handler), EndAfterFault);
}

}  // namespace scrambolo::qt
