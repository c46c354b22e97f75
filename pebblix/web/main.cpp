// The browser program's entry: builds the window, the system and the game, runs start-up and the page's events.
#include <emscripten.h>

#include <cstdint>
#include <string>

#include "common/fault_report.h"
#include "common/random_source.h"
#include "common/web/web_system.h"
#include "pebblix/logic/pebblix_game.h"
#include "pebblix/logic/reports.h"
#include "pebblix/web/main_window.h"

namespace {

// clang-format off
EM_JS(double, random_seed, (), { return Math.floor(Math.random() * 2 ** 53); });
// clang-format on

}  // namespace

int main() {
    common::SetFaultReport([](const std::string&) { return std::string(pebblix::kUnexpectedProblem); });
    common::web::WebSystem system("pebblix");
    common::FoldingRandomSource random(static_cast<std::uint64_t>(random_seed()));
    pebblix::web::MainWindow window(system);
    pebblix::PebblixGame game(window, system, random);
    system.SetDispatcher([&window](const common::web::PageEvent& event) { window.Dispatch(event); });
    if (!window.LoadAndShow(game)) {
        return 0;
    }
    system.RunUntilEnded();
    return 0;
}
