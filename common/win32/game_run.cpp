// A game's run on Windows: the message pump, a close that destroys the window, and the messages that close it.
#include "common/win32/game_run.h"

#include <utility>

#include "common/win32/fault_exit.h"

namespace common::win32 {

GameRun::GameRun(MessagePump& pump, std::function<void()> stopTimers, std::function<void(int)> show)
    : common::GameRun(
          {std::move(stopTimers), [this, show = std::move(show)] { show(showCommand_); },
           [this] { DestroyWindow(window_); }},
          [&pump] { return pump.Run(); }, &EndAfterFault) {}

int GameRun::Play(GameLifetime& game, HWND window, int showCommand) {
    window_ = window;
    showCommand_ = showCommand;
    return common::GameRun::Play(game);
}

bool GameRun::HandleCloseMessage(UINT message, WPARAM wParam, LRESULT& result) {
    switch (message) {
        case WM_CLOSE:
            Close(true);
            result = 0;
            return true;
        case WM_QUERYENDSESSION:
            result = TRUE;
            return true;
        case WM_ENDSESSION:
            // Windows may end the program as soon as this returns: the game has saved by then.
            if (wParam != 0) {
                Close(true);
            }
            result = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace common::win32
