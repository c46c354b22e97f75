// The Linux program's entry: builds the window, the system and the game, runs start-up and the event loop.
#include <QApplication>

#include "common/fault_report.h"
#include "common/qt/accessible_line_edit.h"
#include "common/qt/accessible_menu_item.h"
#include "common/qt/qt_system.h"
#include "common/qt/session_end.h"
#include "common/random_source.h"
#include "pebblix/logic/pebblix_game.h"
#include "pebblix/logic/reports.h"
#include "pebblix/qt/main_window.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The window ends the program itself, as on Windows; message boxes shown before it or after
    // it must not end it by closing.
    QApplication::setQuitOnLastWindowClosed(false);
    common::qt::InstallLineEditAccessibility();
    common::qt::InstallMenuItemAccessibility();
    common::SetFaultReport([](const std::string&) { return std::string(pebblix::kUnexpectedProblem); });

    common::qt::QtSystem system("pebblix");
    common::FoldingRandomSource random;
    pebblix::qt::MainWindow window;
    pebblix::PebblixGame game(window, system, random);
    system.SetOwner(&window);
    // The end of the session unloads the window as its close box does, so the sound setting is saved.
    common::qt::SessionEnd sessionEnd([&window] { window.UnloadMainWindow(); });

    if (!window.LoadAndShow(game)) {
        return 0;
    }
    return QApplication::exec();
}
