// Builds SendInput mouse events in absolute coordinates over the desktop, so the clicks land where a control stands.
#include "e2e/robot/mouse.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace robot {
namespace {

INPUT MouseEvent(DWORD flags, LONG x = 0, LONG y = 0) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

void Send(std::vector<INPUT> events) {
    const UINT sent = SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
    if (sent != events.size()) {
        throw std::runtime_error("SendInput delivered " + std::to_string(sent) + " of " +
                                 std::to_string(events.size()) + " mouse events");
    }
}

// Moves the pointer to the middle of the control, waits until it is there (Wine moves the pointer
// of the display too, and a late echo of an earlier move could otherwise carry a press elsewhere),
// then presses the left button `clicks` times.
void Click(HWND control, int clicks) {
    RECT bounds{};
    GetWindowRect(control, &bounds);
    const POINT middle{(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    const LONG x = (middle.x * 65536 + 32768) / GetSystemMetrics(SM_CXSCREEN);
    const LONG y = (middle.y * 65536 + 32768) / GetSystemMetrics(SM_CYSCREEN);
    const auto there = [&] {
        POINT now{};
        GetCursorPos(&now);
        return now.x == middle.x && now.y == middle.y;
    };
    for (int attempt = 0; attempt < 20 && !there(); ++attempt) {
        Send({MouseEvent(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y)});
        Sleep(50);
    }
    if (!there()) {
        throw std::runtime_error("the mouse pointer did not reach the control");
    }
    Sleep(50);
    std::vector<INPUT> presses;
    for (int click = 0; click < clicks; ++click) {
        presses.push_back(MouseEvent(MOUSEEVENTF_LEFTDOWN));
        presses.push_back(MouseEvent(MOUSEEVENTF_LEFTUP));
    }
    Send(presses);
    // Give the target's input thread a moment so the order of separate clicks survives.
    Sleep(40);
}

}  // namespace

void ClickOn(HWND control) { Click(control, 1); }

void DoubleClickOn(HWND control) { Click(control, 2); }

}  // namespace robot
