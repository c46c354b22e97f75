// What a game shows when one of its handlers meets a fault it cannot recover from, and the guard that catches it.
#pragma once

#include <exception>
#include <string>
#include <utility>

class QWidget;

namespace common::qt {

// The fault box: a modal box with the title, the text (UTF-8) and OK, no icon, owned by the window
// when one is given.
void ShowFaultBox(QWidget* owner, const std::string& title, const std::string& text);

// Runs one handler on behalf of a Qt event, so that no exception leaves the event: a fault goes to
// onFault with what it says ("" when it is of no standard kind), which tells the player with the
// fault box and ends the program as the game ends it.
template <typename Handler, typename OnFault>
void RunHandler(Handler&& handler, OnFault&& onFault) {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& fault) {
        std::forward<OnFault>(onFault)(fault.what());
    } catch (...) {
        std::forward<OnFault>(onFault)("");
    }
}

}  // namespace common::qt
