// The one way a game starts and closes on Linux: load, show, run Qt's event loop; unload, save, end.
#pragma once

#include <QApplication>
#include <QWidget>

#include <chrono>
#include <cstdint>
#include <functional>

#include "common/fault_report.h"
#include "common/game_run.h"
#include "common/qt/accessible_line_edit.h"
#include "common/qt/accessible_menu_item.h"
#include "common/qt/qt_system.h"
#include "common/qt/screen_reader_link.h"
#include "common/qt/session_end.h"
#include "common/random_source.h"

namespace common::qt {

// The run of one game in its Qt main window: Qt's event loop runs it, and the close hides the
// window and ends every event loop.
class GameRun : public common::GameRun {
public:
    // stopTimers stops every timer of the window, so that no handler starts once the close has
    // begun; show shows the window for play, active, with the focus where play starts.
    GameRun(QWidget& window, std::function<void()> stopTimers, std::function<void()> show);
};

// The program around a game on Linux: Qt, the accessibility both games' windows rely on, the game's
// fault report, the real system, random numbers, the window and the game, then its run. The end of
// the session closes the game as its close box does, so its settings are saved. Window is the
// game's Qt main window: it routes its events to the game it is given (SetGame) and owns the
// GameRun (Run()).
template <typename Window, typename Game>
int PlayGame(int argc, char** argv, const char* gameFolder, FaultReport faultReport) {
    QApplication application(argc, argv);
    // The program ends when the game closes its main window, not when Qt sees no window left:
    // message boxes shown before it or after it must not end it by closing.
    QApplication::setQuitOnLastWindowClosed(false);
    InstallLineEditAccessibility();
    InstallMenuItemAccessibility();
    WaitForScreenReaderLink();
    SetFaultReport(std::move(faultReport));

    QtSystem system(gameFolder);
    FoldingRandomSource random(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    Window window;
    system.SetOwner(&window);
    Game game(window, system, random);
    window.SetGame(&game);
    SessionEnd sessionEnd([&window] { window.UnloadMainWindow(); });
    return window.Run().Play(game);
}

}  // namespace common::qt
