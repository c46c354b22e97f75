// Accelerators, key preview and dialog keys, applied alike in the main loop and inside the pause.
#include "scrambolo/win32/message_pump.h"

#include <exception>
#include <string>

namespace scrambolo::win32 {
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

bool MessagePump::Within(HWND window, HWND target) const {
    return window != nullptr && IsWindow(window) && (target == window || IsChild(window, target));
}

void MessagePump::Process(MSG& message) {
    if (Within(main_, message.hwnd)) {
        if (accelerators_ != nullptr && TranslateAcceleratorA(main_, accelerators_, &message)) {
            return;
        }
        if (message.message == WM_KEYDOWN && keyPreview_) {
            try {
                keyPreview_(static_cast<int>(message.wParam), ShiftState());
            } catch (const std::exception& fault) {
                EndAfterFault(fault.what());
            }
        }
        // The key handler may have let events through, the close among them.
        if (IsWindow(main_) && IsDialogMessageA(main_, &message)) {
            return;
        }
    } else if (Within(hint_, message.hwnd) && IsDialogMessageA(hint_, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void EndAfterFault(const char* what) {
    const std::string text = std::string("Scrambolo met a problem it cannot recover from and will now close (") +
                             what + "). Your saved high score and settings are kept as they were.";
    MessageBoxA(nullptr, text.c_str(), "Error", MB_OK);
    ExitProcess(1);
}

}  // namespace scrambolo::win32
