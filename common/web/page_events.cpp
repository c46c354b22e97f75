// Takes the page's queued events into the game's side, waiting for them without holding the browser.
#include "common/web/page_events.h"

#include <emscripten.h>

#include <array>
#include <string_view>
#include <utility>

namespace {

using common::web::EventKind;

// The page gives each event's kind by its name; the kinds are numbered here alone.
constexpr std::array<std::pair<std::string_view, EventKind>, 8> kKindNames{{
    {"Timer", EventKind::Timer},
    {"Click", EventKind::Click},
    {"DoubleClick", EventKind::DoubleClick},
    {"Focus", EventKind::Focus},
    {"Key", EventKind::Key},
    {"Menu", EventKind::Menu},
    {"Close", EventKind::Close},
    {"Answer", EventKind::Answer},
}};
constexpr int kLongestKindName = 16;

// clang-format off
EM_ASYNC_JS(void, wait_for_page_event, (double ms), { await gamePort.waitForEvent(ms); });

EM_JS(int, take_page_event, (char* kind, int kindSize, int* fields), {
    const event = gamePort.take();
    if (!event) return 0;
    stringToUTF8(event.kind, kind, kindSize);
    HEAP32[(fields >> 2) + 0] = event.target;
    HEAP32[(fields >> 2) + 1] = event.code;
    HEAP32[(fields >> 2) + 2] = event.shift;
    return 1;
});
// clang-format on

}  // namespace

namespace common::web {

void WaitForPageEvent(double maxSeconds) { wait_for_page_event(maxSeconds < 0 ? -1.0 : maxSeconds * 1000.0); }

std::optional<PageEvent> TakePageEvent() {
    for (;;) {
        char kind[kLongestKindName + 1] = {};
        int fields[3] = {};
        if (take_page_event(kind, sizeof kind, fields) == 0) {
            return std::nullopt;
        }
        for (const auto& [name, value] : kKindNames) {
            if (name == kind) {
                return PageEvent{value, fields[0], fields[1], fields[2]};
            }
        }
    }
}

}  // namespace common::web
