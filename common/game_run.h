// The one order in which every platform starts and closes a game: load, show, run; unload, save, end.
#pragma once

#include <functional>
#include <string>

#include "common/game_lifetime.h"

namespace common {

// The run of one game in its main window, from the load handler to the end of the program. Each
// platform kit (common/<platform>/game_run.h) gives it what differs: its window, its event loop
// and its fault barrier.
class GameRun {
public:
    struct Window {
        // Stops every timer of the window, so that no handler starts once the close has begun.
        std::function<void()> stopTimers;
        // Shows the window for play, active, with the focus where play starts.
        std::function<void()> show;
        // The window goes and every event loop ends, a message box's too, as when Windows destroys
        // the owner of a box; the program then ends.
        std::function<void()> end;
    };

    // eventLoop runs the platform's events until the end and gives the program's exit code;
    // endAfterFault is the platform's fault barrier's end (common/fault_report.h).
    GameRun(Window window, std::function<int()> eventLoop, void (*endAfterFault)(const std::string&));

    // The load handler, then, unless the program ended during it, the window shown and the event
    // loop until the close: the program's exit code.
    int Play(GameLifetime& game);
    // The close, whatever asks for it: the timers stop, the unload handler runs once (unless the
    // program ends at once, after a failed start-up), then the window goes and the program ends.
    // A close asked for while one runs changes nothing.
    void Close(bool runUnloadHandler);
    bool Closing() const { return closing_; }

private:
    Window window_;
    std::function<int()> eventLoop_;
    void (*endAfterFault_)(const std::string&);
    GameLifetime* game_ = nullptr;
    bool closing_ = false;
};

}  // namespace common
