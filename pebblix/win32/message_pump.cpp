// Accelerators, dialog keys and dispatch, the same for the main loop and for pumping waits.
#include "pebblix/win32/message_pump.h"

namespace pebblix::win32 {

void DeliverMessage(MSG& message, HWND mainWindow, HACCEL accelerators) {
    if (mainWindow != nullptr && IsWindow(mainWindow)) {
        if (accelerators != nullptr && TranslateAcceleratorA(mainWindow, accelerators, &message)) {
            return;
        }
        if (IsDialogMessageA(mainWindow, &message)) {
            return;
        }
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

void DeliverPending(HWND mainWindow, HACCEL accelerators) {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        DeliverMessage(message, mainWindow, accelerators);
    }
}

int RunMessageLoop(HWND mainWindow, HACCEL accelerators) {
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DeliverMessage(message, mainWindow, accelerators);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace pebblix::win32
