// Starts a game in its main window and closes it, in the same order on every platform.
#include "common/game_run.h"

#include <utility>

#include "common/fault_report.h"

namespace common {

GameRun::GameRun(Window window, std::function<int()> eventLoop, void (*endAfterFault)(const std::string&))
    : window_(std::move(window)), eventLoop_(std::move(eventLoop)), endAfterFault_(endAfterFault) {}

int GameRun::Play(GameLifetime& game) {
    game_ = &game;
    bool started = false;
    RunHandler([&] { started = game.Form_Load(); }, endAfterFault_);
    if (!started) {
        Close(false);
    }
    if (closing_) {
        return 0;
    }
    window_.show();
    return eventLoop_();
}

void GameRun::Close(bool runUnloadHandler) {
    if (closing_) {
        return;
    }
    closing_ = true;
    // No game over may start while the unload handler is busy, say with a message box.
    window_.stopTimers();
    if (runUnloadHandler && game_ != nullptr) {
        RunHandler([this] { game_->Form_Unload(); }, endAfterFault_);
    }
    window_.end();
}

}  // namespace common
