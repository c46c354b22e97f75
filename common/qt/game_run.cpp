// A game's run on Linux: Qt's event loop, and a close that hides the window and ends every event loop.
#include "common/qt/game_run.h"

#include <QCoreApplication>

#include <utility>

#include "common/qt/fault_exit.h"

namespace common::qt {

GameRun::GameRun(QWidget& window, std::function<void()> stopTimers, std::function<void()> show)
    : common::GameRun(
          {std::move(stopTimers), std::move(show),
           [&window] {
               window.hide();
               QCoreApplication::exit(0);
           }},
          [] { return QApplication::exec(); }, &EndAfterFault) {}

}  // namespace common::qt
