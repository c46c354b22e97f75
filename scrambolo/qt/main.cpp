// Starts the anagram game on Linux: the windows, the real system, the game, then the event loop.
#include <QApplication>

#include <chrono>

#include "common/fault_report.h"
#include "common/qt/accessible_line_edit.h"
#include "common/qt/accessible_menu_item.h"
#include "common/qt/fault_exit.h"
#include "common/qt/qt_system.h"
#include "common/qt/session_end.h"
#include "common/random_source.h"
#include "scrambolo/window/game.h"
#include "scrambolo/window/game_texts.h"
#include "scrambolo/qt/key_preview.h"
#include "scrambolo/qt/main_window.h"

int main(int argc, char** argv) {
    using namespace scrambolo;
    QApplication application(argc, argv);
    // The program ends when the game closes its main window, not when Qt sees no window left.
    QApplication::setQuitOnLastWindowClosed(false);
    common::qt::InstallLineEditAccessibility();
    common::qt::InstallMenuItemAccessibility();
    common::SetFaultReport(&FaultMessage);

    common::qt::QtSystem system("scrambolo");
    common::FoldingRandomSource random(
        static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
    qt::MainWindow window;
    system.SetOwner(&window);
    Game game(window, system, random);
    window.SetGame(&game);
    qt::KeyPreview preview(&window, [&game](int keyCode, int shift) { game.Form_KeyDown(keyCode, shift); });
    // A session that ends closes the game as its close box does, so the setting is saved.
    common::qt::SessionEnd sessionEnd([&game] { common::qt::RunHandler([&] { game.Form_Unload(); }); });

    bool started = false;
    common::qt::RunHandler([&] { started = game.Form_Load(); });
    if (!started) {
        window.DestroyWithoutUnload();
        return 0;
    }
    return game.Unloaded() ? 0 : application.exec();
}
