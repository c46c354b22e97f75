// Drops the keys that come before, and just after, a question the clock raised.
#include "common/win32/type_ahead_guard.h"

namespace common::win32 {
namespace {

// One game thread, one question at a time: the end of the dropping time is the thread's own.
thread_local ULONGLONG dropUntil = 0;

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

}  // namespace

TypeAheadGuard::TypeAheadGuard(double seconds) {
    dropUntil = GetTickCount64() + static_cast<ULONGLONG>(seconds * 1000.0);
    MSG waiting;
    while (PeekMessageW(&waiting, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    hook_ = SetWindowsHookExW(WH_GETMESSAGE, &DropKeys, nullptr, GetCurrentThreadId());
}

TypeAheadGuard::~TypeAheadGuard() {
    if (hook_ != nullptr) {
        UnhookWindowsHookEx(hook_);
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

}  // namespace common::win32
