// The page's events as the game's side takes them from the queue that the page fills.
#pragma once

#include <optional>

namespace common::web {

// The page names each event's kind ("Timer", "Click", ...), as these are named.
enum class EventKind { Timer, Click, DoubleClick, Focus, Key, Menu, Close, Answer };

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
