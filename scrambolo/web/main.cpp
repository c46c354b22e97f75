// Starts the anagram game in the browser: the page's window, the real system, the game, then the page's events.
#include <emscripten.h>

#include <exception>
#include <string>

#include "common/random_source.h"
#include "common/web/web_system.h"
#include "scrambolo/web/main_window.h"
#include "scrambolo/window/game.h"

namespace {

// A fault the game cannot recover from: a plain box, then the game ends; the saved files are
// replaced whole or not at all, so none is left half written.
template <typename Handler>
void RunHandler(common::web::WebSystem& system, scrambolo::web::MainWindow& window, Handler&& handler) {
    try {
        handler();
    } catch (const std::exception& fault) {
        system.ShowMessage(std::string("Scrambolo met a problem it cannot recover from and will now close (") +
                               fault.what() + "). Your saved high score and settings are kept as they were.",
                           "Error", common::MessageButtons::Ok);
        system.EndProgram();
        if (!window.Closed()) {
            window.CloseMainWindow();
        }
    }
}

EM_JS(double, random_seed, (), { return Math.floor(Math.random() * 2 ** 53); });

}  // namespace

int main() {
    using namespace scrambolo;
    common::web::WebSystem system("scrambolo");
    common::FoldingRandomSource random(static_cast<std::uint64_t>(random_seed()));
    web::MainWindow window;
    Game game(window, system, random);
    window.SetGame(&game);
    system.SetDispatcher([&](const common::web::PageEvent& event) {
        RunHandler(system, window, [&] { window.Dispatch(event); });
        if (window.Closed()) {
            system.EndProgram();
        }
    });

    bool started = false;
    RunHandler(system, window, [&] { started = game.Form_Load(); });
    if (!started) {
        system.EndProgram();
        if (!window.Closed()) {
            window.CloseMainWindow();
        }
        return 0;
    }
    system.RunUntilEnded();
    return 0;
}
