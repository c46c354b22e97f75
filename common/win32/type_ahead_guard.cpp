// Drops the keys that come before a question the clock raised, and those that go on after it.
#include "common/win32/type_ahead_guard.h"

#include <bitset>

namespace common::win32 {
namespace {

// One game thread, one question at a time: the guard's state is the thread's own. Times are the
// tick counts of the messages (when a key was pressed, not when it was taken from the queue), in
// milliseconds that wrap around after 49 days: they are compared by their difference.
struct Wait {
    DWORD milliseconds = 0;
    bool shown = false;
    // The moment the box was activated or a key was last pressed, whichever came later.
    DWORD quietSince = 0;
    // The virtual keys whose press was dropped and that have not been released since.
    std::bitset<256> untaken;
};
thread_local Wait wait;

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }
bool IsPress(UINT message) { return message == WM_KEYDOWN || message == WM_SYSKEYDOWN; }
bool IsRelease(UINT message) { return message == WM_KEYUP || message == WM_SYSKEYUP; }
bool IsRepeat(LPARAM details) { return (details & (1 << 30)) != 0; }

bool Later(DWORD time, DWORD than) { return static_cast<LONG>(time - than) > 0; }

void Pressed(DWORD time, WPARAM key) {
    if (Later(time, wait.quietSince)) {
        wait.quietSince = time;
    }
    wait.untaken.set(key & 0xFF);
}

bool Waiting(DWORD time) {
    return !wait.shown || static_cast<LONG>(time - wait.quietSince) < static_cast<LONG>(wait.milliseconds);
}

// Whether the key message is dropped; a dropped press starts the wait again.
bool Drop(const MSG& taken) {
    const std::size_t key = taken.wParam & 0xFF;
    if (IsPress(taken.message)) {
        if (Waiting(taken.time) || (IsRepeat(taken.lParam) && wait.untaken.test(key))) {
            Pressed(taken.time, key);
            return true;
        }
        wait.untaken.reset(key);
        return false;
    }
    if (IsRelease(taken.message) && wait.untaken.test(key)) {
        wait.untaken.reset(key);
        return true;
    }
    return Waiting(taken.time);
}

}  // namespace

TypeAheadGuard::TypeAheadGuard(double seconds) {
    wait = Wait{};
    wait.milliseconds = static_cast<DWORD>(seconds * 1000.0);
    wait.quietSince = GetTickCount();
    MSG waiting;
    while (PeekMessageW(&waiting, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
        if (IsPress(waiting.message)) {
            Pressed(waiting.time, waiting.wParam);
        }
    }
    keys_ = SetWindowsHookExW(WH_GETMESSAGE, &DropKeys, nullptr, GetCurrentThreadId());
    activations_ = SetWindowsHookExW(WH_CBT, &SeeActivation, nullptr, GetCurrentThreadId());
}

TypeAheadGuard::~TypeAheadGuard() {
    if (activations_ != nullptr) {
        UnhookWindowsHookEx(activations_);
    }
    if (keys_ != nullptr) {
        UnhookWindowsHookEx(keys_);
    }
    wait = Wait{};
}

LRESULT CALLBACK TypeAheadGuard::DropKeys(int code, WPARAM removal, LPARAM message) {
    auto* taken = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && IsKeyMessage(taken->message) && Drop(*taken)) {
        taken->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

LRESULT CALLBACK TypeAheadGuard::SeeActivation(int code, WPARAM window, LPARAM details) {
    if (code == HCBT_ACTIVATE && !wait.shown) {
        wait.shown = true;
        const DWORD now = GetTickCount();
        if (Later(now, wait.quietSince)) {
            wait.quietSince = now;
        }
    }
    return CallNextHookEx(nullptr, code, window, details);
}

}  // namespace common::win32
