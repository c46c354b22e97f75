// Starts the anagram game in the browser: the page's window, the real system, the game, then the page's events.
#include <emscripten.h>

#include <cstdint>

#include "common/fault_report.h"
#include "common/random_source.h"
#include "common/web/fault_exit.h"
#include "common/web/web_system.h"
#include "scrambolo/web/main_window.h"
#include "scrambolo/window/game.h"
#include "scrambolo/window/game_texts.h"

namespace {

// clang-format off
EM_JS(double, random_seed, (), { return Math.floor(Math.random() * 2 ** 53); });
// clang-format on

}  // namespace

int main() {
    using namespace scrambolo;
    common::SetFaultReport(&FaultMessage);
    common::web::WebSystem system("scrambolo");
    common::FoldingRandomSource random(static_cast<std::uint64_t>(random_seed()));
    web::MainWindow window;
    Game game(window, system, random);
    window.SetGame(&game);
    system.SetDispatcher([&](const common::web::PageEvent& event) {
        window.Dispatch(event);
        if (window.Closed()) {
            system.EndProgram();
        }
    });

    bool started = false;
    common::web::RunHandler([&] { started = game.Form_Load(); });
    if (!started) {
        // A start-up that failed ends without the close handling: nothing is saved.
        if (!window.Closed()) {
            window.CloseMainWindow();
        }
        system.EndProgram();
        return 0;
    }
    system.RunUntilEnded();
    return 0;
}
