// The end of a game that met a fault it cannot recover from: the player is told, then the program ends at once.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace common::win32 {

// What the player is told, made from the fault's own words; each game gives its own at start-up.
using FaultReport = std::function<std::string(const std::string& what)>;
void SetFaultReport(FaultReport report);

// An "Error" box with the game's report, then the process ends: no close handling runs and nothing
// more is written. The saved files are replaced whole or not at all, so none is left half written.
[[noreturn]] void EndAfterFault(const std::string& what);

// Runs one handler on behalf of Windows, which must never see an exception: a fault ends the game.
template <typename Handler>
void RunHandler(Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& fault) {
        EndAfterFault(fault.what());
    } catch (...) {
        EndAfterFault("unknown fault");
    }
}

}  // namespace common::win32
