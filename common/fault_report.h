// What a fault in a handler does in every edition: the player is told in the game's own words, then the program ends at once.
#pragma once

#include <exception>
#include <functional>
#include <string>
#include <utility>

namespace common {

// The game's words for a fault it cannot recover from, made from the fault's own; each game gives
// its own when it starts.
using FaultReport = std::function<std::string(const std::string& what)>;
void SetFaultReport(FaultReport report);
// What the player is told: the game's words, or the fault's own when the game gave none.
std::string FaultReportFor(const std::string& what);

// Runs one handler on behalf of the platform, which must never see an exception: a fault goes to
// the platform's endAfterFault, which tells the player and does not return.
template <typename Handler>
void RunHandler(Handler&& handler, void (*endAfterFault)(const std::string& what)) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& fault) {
        endAfterFault(fault.what());
    } catch (...) {
        endAfterFault("unknown fault");
    }
}

}  // namespace common
