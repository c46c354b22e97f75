// Takes the page's queued events into the game's side, waiting for them without holding the browser.
#include "common/web/page_events.h"

#include <emscripten.h>

namespace {

// clang-format off
EM_ASYNC_JS(void, wait_for_page_event, (double ms), { await gamePort.waitForEvent(ms); });

EM_JS(int, take_page_event, (int* fields), {
    const event = gamePort.take();
    if (!event) return 0;
    HEAP32[(fields >> 2) + 0] = event.kind;
    HEAP32[(fields >> 2) + 1] = event.target;
    HEAP32[(fields >> 2) + 2] = event.code;
    HEAP32[(fields >> 2) + 3] = event.shift;
    return 1;
});
// clang-format on

}  // namespace

namespace common::web {

void WaitForPageEvent(double maxSeconds) { wait_for_page_event(maxSeconds < 0 ? -1.0 : maxSeconds * 1000.0); }

std::optional<PageEvent> TakePageEvent() {
    int fields[4] = {};
    if (take_page_event(fields) == 0) {
        return std::nullopt;
    }
    return PageEvent{static_cast<EventKind>(fields[0]), fields[1], fields[2], fields[3]};
}

}  // namespace common::web
