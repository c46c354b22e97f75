// Accelerators, key preview and dialog keys, applied alike in the main loop and inside a pause.
#include "common/win32/message_pump.h"

#include "common/win32/fault_exit.h"

namespace common::win32 {
namespace {

// The shift state of a key event: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState() {
    int shift = 0;
    shift |= (GetKeyState(VK_SHIFT) < 0) ? 1 : 0;
    shift |= (GetKeyState(VK_CONTROL) < 0) ? 2 : 0;
    shift |= (GetKeyState(VK_MENU) < 0) ? 4 : 0;
    return shift;
}

}  // namespace

void MessagePump::DeliverPending() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        Process(message);
    }
}

int MessagePump::Run() {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        Process(message);
    }
    return static_cast<int>(message.wParam);
}

bool MessagePump::Within(HWND window, HWND target) {
    return window != nullptr && IsWindow(window) && (target == window || IsChild(window, target));
}

void MessagePump::Process(MSG& message) {
    if (Within(main_, message.hwnd)) {
        if (accelerators_ != nullptr && TranslateAcceleratorA(main_, accelerators_, &message)) {
            return;
        }
        if (message.message == WM_KEYDOWN && keyPreview_) {
            RunHandler([&] { keyPreview_(static_cast<int>(message.wParam), ShiftState()); });
        }
        // The key handler may have let events through, the close among them.
        if (IsWindow(main_) && IsDialogMessageA(main_, &message)) {
            return;
        }
    } else if (Within(second_, message.hwnd) && IsDialogMessageA(second_, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

}  // namespace common::win32
