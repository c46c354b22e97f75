// The fault box in the browser: the game's report, answered before anything else of the game runs, then the game is stopped.
#include "common/web/fault_exit.h"

#include <emscripten.h>

#include <cstdlib>

#include "common/web/page_events.h"

namespace {

// clang-format off
EM_JS(int, open_fault_box, (const char* report), {
    return gamePort.openMessage(UTF8ToString(report), "Error", false, false);
});

// Every box and window of the game goes, and the page tells that the game has closed.
EM_JS(void, show_game_ended, (), { gamePort.endGame(); });

// The game's side waits here for ever: the browser goes on, the game never again.
EM_ASYNC_JS(void, stop_for_good, (), { await new Promise(() => {}); });
// clang-format on

}  // namespace

namespace common::web {

void EndAfterFault(const std::string& what) {
    const int box = open_fault_box(FaultReportFor(what).c_str());
    // No handler runs while the report is up: every other event is let go unheard.
    for (;;) {
        WaitForPageEvent(-1);
        const std::optional<PageEvent> event = TakePageEvent();
        if (event && event->kind == EventKind::Answer && event->target == box) {
            break;
        }
    }
    show_game_ended();
    stop_for_good();
    std::abort();
}

}  // namespace common::web
