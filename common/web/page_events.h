// The page's events as the game's side takes them from the queue that the page fills.
#pragma once

#include <optional>

namespace common::web {

// The same numbers as the page's EventKind.
enum class EventKind { Timer = 1, Click = 2, DoubleClick = 3, Focus = 4, Key = 5, Menu = 6, Close = 7, Answer = 8 };

struct PageEvent {
    EventKind kind;
    int target;  // the control, menu item, timer or message box the event is for
    int code;    // a key's Windows key code, or a message box's answer
    int shift;   // Shift 1, Ctrl 2, as a key handler is given them
};

// Waits, letting the browser go on, until an event is queued or maxSeconds have passed (for ever
// when maxSeconds is negative).
void WaitForPageEvent(double maxSeconds);
// The oldest event waiting, if any.
std::optional<PageEvent> TakePageEvent();

}  // namespace common::web
