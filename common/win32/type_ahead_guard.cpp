// Drops the keys that come before, and just after, a question the clock raised.
#include "common/win32/type_ahead_guard.h"

#include <limits>

namespace common::win32 {
namespace {

// One game thread, one question at a time: the guard's state is the thread's own.
constexpr ULONGLONG kUntilShown = std::numeric_limits<ULONGLONG>::max();
thread_local ULONGLONG dropUntil = 0;
thread_local ULONGLONG dropMilliseconds = 0;

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

TypeAheadGuard::TypeAheadGuard(double seconds) {
    dropMilliseconds = static_cast<ULONGLONG>(seconds * 1000.0);
    dropUntil = kUntilShown;
    MSG waiting;
    while (PeekMessageW(&waiting, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
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
    dropUntil = 0;
}

LRESULT CALLBACK TypeAheadGuard::DropKeys(int code, WPARAM removal, LPARAM message) {
    auto* taken = reinterpret_cast<MSG*>(message);
    if (code == HC_ACTION && removal == PM_REMOVE && IsKeyMessage(taken->message) && GetTickCount64() < dropUntil) {
        taken->message = WM_NULL;
    }
    return CallNextHookEx(nullptr, code, removal, message);
}

LRESULT CALLBACK TypeAheadGuard::SeeActivation(int code, WPARAM window, LPARAM details) {
    if (code == HCBT_ACTIVATE && dropUntil == kUntilShown) {
        dropUntil = GetTickCount64() + dropMilliseconds;
    }
    return CallNextHookEx(nullptr, code, window, details);
}

}  // namespace common::win32
